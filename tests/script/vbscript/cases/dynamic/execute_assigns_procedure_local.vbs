' expect: 9
Function F()
  Dim x
  Execute "x = 9"
  F = x
End Function
Function Main()
Main = F()
End Function
