' expect: Currency
Function Main()
    Main = TypeName(Int(CCur(2.5)))
End Function
