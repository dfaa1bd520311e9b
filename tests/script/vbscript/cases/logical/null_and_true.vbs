' expect: Null
Function Main()
Main = TypeName(Null And True)
End Function
