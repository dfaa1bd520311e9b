' expect: C
Class C
End Class
Function Make()
  Set Make = New C
End Function
Function Main()
Dim o: Set o = Make()
Main = TypeName(o)
End Function
