' expect: Double
Function Main()
Main = TypeName(CCur(1.5) * 2.5)
End Function
