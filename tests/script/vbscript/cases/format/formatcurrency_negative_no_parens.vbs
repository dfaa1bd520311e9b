' expect: -$5.00
Function Main()
    Main = FormatCurrency(-5, 2, , vbFalse)
End Function
