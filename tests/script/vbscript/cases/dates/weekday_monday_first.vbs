' expect: 1
Function Main()
    Main = Weekday(DateSerial(2024, 1, 1), vbMonday)
End Function
