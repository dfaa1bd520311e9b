' expect-error: 13
Function F(x)
  F = x
End Function
Function Main()
Main = F(CInt("x"))
End Function
