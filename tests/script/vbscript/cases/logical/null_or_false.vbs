' expect: Null
Function Main()
Main = TypeName(Null Or False)
End Function
