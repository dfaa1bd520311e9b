' expect: 29
Function Main()
    Main = Day(DateSerial(2024, 3, 0))
End Function
