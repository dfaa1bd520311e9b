' expect: True
Function Main()
    Main = (VarType("x") = vbString) And (VarType(1) = vbInteger)
End Function
