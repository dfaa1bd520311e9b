' expect: 1
Function Main()
    Main = DateDiff("m", DateSerial(2024, 1, 31), DateSerial(2024, 2, 1))
End Function
