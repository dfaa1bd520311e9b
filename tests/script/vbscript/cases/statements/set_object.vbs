' expect: C
Class C
End Class
Function Main()
Dim o
Set o = New C
Main = TypeName(o)
End Function
