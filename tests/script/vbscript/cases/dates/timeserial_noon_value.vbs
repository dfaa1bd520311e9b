' expect: 0.5
Function Main()
    Main = CDbl(TimeSerial(12, 0, 0))
End Function
