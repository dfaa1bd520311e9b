' expect: True
Function F(a, b)
  F = IsEmpty(a)
End Function
Function Main()
Main = TypeName(F(, 1)) = "Boolean"
End Function
