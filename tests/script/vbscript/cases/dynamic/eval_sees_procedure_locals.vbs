' expect: 12
Function F(p)
  Dim q: q = 2
  F = Eval("p * q")
End Function
Function Main()
Main = F(6)
End Function
