' expect: Null
Function Main()
Main = TypeName(Not Null)
End Function
