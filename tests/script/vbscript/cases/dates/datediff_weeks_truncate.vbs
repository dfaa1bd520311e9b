' expect: 1
Function Main()
    Main = DateDiff("w", DateSerial(2000, 1, 1), DateSerial(2000, 1, 14))
End Function
