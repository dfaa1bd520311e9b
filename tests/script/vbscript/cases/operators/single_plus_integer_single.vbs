' expect: Single
Function Main()
Main = TypeName(CSng(1.5) + 2)
End Function
