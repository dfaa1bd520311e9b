' expect: Freitag, 5. Januar 2024
Function Main()
    SetLocale 1031
    Main = FormatDateTime(DateSerial(2024, 1, 5), vbLongDate)
End Function
