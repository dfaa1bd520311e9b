' expect: Null
Function Main()
Main = TypeName(Null + 1)
End Function
