' expect: 30
Function Main()
    Main = Day(DateSerial(2024, 1, -1))
End Function
