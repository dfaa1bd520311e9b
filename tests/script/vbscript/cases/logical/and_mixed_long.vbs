' expect: Long
Function Main()
Main = TypeName(70000 And 1)
End Function
