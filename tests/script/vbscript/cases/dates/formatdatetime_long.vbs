' expect: Friday, January 5, 2024
Function Main()
    Main = FormatDateTime(DateSerial(2024, 1, 5), vbLongDate)
End Function
