' expect: ($1,234.50)
Function Main()
    Main = FormatCurrency(-1234.5)
End Function
