' expect: 0
Function Main()
    Main = DateDiff("ww", DateSerial(2000, 1, 1), DateSerial(2000, 1, 2), vbMonday)
End Function
