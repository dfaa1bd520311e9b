' expect: -1.234,50 €
Function Main()
    SetLocale 1031
    Main = FormatCurrency(-1234.5)
End Function
