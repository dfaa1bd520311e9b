' expect: 1
Function Main()
    Main = DateDiff("q", DateSerial(2023, 12, 30), DateSerial(2024, 1, 1))
End Function
