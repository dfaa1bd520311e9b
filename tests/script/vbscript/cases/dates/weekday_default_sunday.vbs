' expect: 2
Function Main()
    Main = Weekday(DateSerial(2024, 1, 1))
End Function
