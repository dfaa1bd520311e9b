' expect: -9
Function Main()
    Main = DateDiff("d", DateSerial(2024, 1, 10), DateSerial(2024, 1, 1))
End Function
