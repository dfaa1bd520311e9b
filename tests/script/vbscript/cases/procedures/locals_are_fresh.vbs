' expect: 1 1
Function F()
  Dim x
  x = x + 1
  F = x
End Function
Function Main()
Main = F() & " " & F()
End Function
