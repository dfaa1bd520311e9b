' expect: 1
Function Main()
    Main = DateDiff("yyyy", DateSerial(2023, 12, 31), DateSerial(2024, 1, 1))
End Function
