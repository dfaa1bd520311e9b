' expect: 3
Function F()
  F = 1
  F = F + 2
End Function
Function Main()
Main = F()
End Function
