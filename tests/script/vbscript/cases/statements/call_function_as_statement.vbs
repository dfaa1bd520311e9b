' expect: 1
Dim t
Function F(a)
  t = a
  F = 9
End Function
Function Main()
F 1
Main = t
End Function
