' expect: 2
Function Main()
    Main = DatePart("ww", DateSerial(2000, 1, 2))
End Function
