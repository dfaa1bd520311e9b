' expect: 6
Function Main()
    Main = DatePart("w", DateSerial(2000, 1, 1), vbMonday)
End Function
