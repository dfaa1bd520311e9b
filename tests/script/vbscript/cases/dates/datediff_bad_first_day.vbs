' expect-error: 5
Function Main()
    Main = DateDiff("ww", DateSerial(2000, 1, 1), DateSerial(2000, 2, 1), 8)
End Function
