' expect: True
Function Main()
    Main = IsNull(DateDiff("d", Null, DateSerial(2000, 1, 1)))
End Function
