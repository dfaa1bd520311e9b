' expect: ¥1,234
Function Main()
    SetLocale 1041
    Main = FormatCurrency(1234)
End Function
