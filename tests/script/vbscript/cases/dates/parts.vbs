' expect: 2024-2-29
Function Main()
    Main = Year(DateSerial(2024, 2, 29)) & "-" & Month(DateSerial(2024, 2, 29)) & "-" & Day(DateSerial(2024, 2, 29))
End Function
