' expect: $5
Function Main()
    Main = FormatCurrency(5, 0)
End Function
