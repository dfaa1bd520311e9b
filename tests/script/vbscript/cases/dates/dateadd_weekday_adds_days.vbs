' expect: 4
Function Main()
    Main = Day(DateAdd("w", 3, DateSerial(2000, 1, 1)))
End Function
