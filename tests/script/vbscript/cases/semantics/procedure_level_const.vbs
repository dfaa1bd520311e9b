' expect: 6
Function F()
  Const K = 3
  F = K * 2
End Function
Function Main()
Main = F()
End Function
