' expect: 24
Function Main()
    Main = DateDiff("h", DateSerial(2000, 1, 1), DateSerial(2000, 1, 2))
End Function
