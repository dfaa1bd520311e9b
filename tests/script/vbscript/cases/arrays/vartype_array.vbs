' expect: 8204
Function Main()
Main = VarType(Array())
End Function
