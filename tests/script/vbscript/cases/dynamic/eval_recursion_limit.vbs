' expect-error: 28
Function F()
  F = Eval("F()")
End Function
Function Main()
Main = F()
End Function
