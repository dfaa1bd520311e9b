' expect: Double
Function Main()
    Main = TypeName(Sqr(4))
End Function
