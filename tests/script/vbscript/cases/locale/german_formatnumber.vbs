' expect: 1.234.567,89
Function Main()
    SetLocale 1031
    Main = FormatNumber(1234567.891)
End Function
