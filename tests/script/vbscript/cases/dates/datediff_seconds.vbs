' expect: 3600
Function Main()
    Main = DateDiff("s", TimeSerial(0, 0, 0), TimeSerial(1, 0, 0))
End Function
