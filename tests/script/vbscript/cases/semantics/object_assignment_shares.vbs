' expect: 2
Class C
  Public V
End Class
Function Main()
Dim a, b: Set a = New C
Set b = a
b.V = 2
Main = a.V
End Function
