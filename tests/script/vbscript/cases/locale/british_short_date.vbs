' expect: 05/01/2024
Function Main()
    SetLocale 2057
    Main = FormatDateTime(DateSerial(2024, 1, 5), vbShortDate)
End Function
