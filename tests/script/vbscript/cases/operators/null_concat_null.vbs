' expect: Null
Function Main()
Main = TypeName(Null & Null)
End Function
