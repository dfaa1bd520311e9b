' expect-error: 5
Function Main()
    Main = DatePart("ww", DateSerial(2000, 1, 1), 1, 4)
End Function
