' expect: Double
Function Main()
Main = TypeName(CSng(1.5) + CLng(2))
End Function
