' expect: 6
Function Main()
    Main = Weekday(DateSerial(1899, 12, 29))
End Function
