' expect: 1
Function Main()
    Main = DateDiff("ww", DateSerial(2000, 1, 1), DateSerial(2000, 1, 2))
End Function
