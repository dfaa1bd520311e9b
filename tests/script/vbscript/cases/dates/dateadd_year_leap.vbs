' expect: 28
Function Main()
    Main = Day(DateAdd("yyyy", 1, DateSerial(2024, 2, 29)))
End Function
