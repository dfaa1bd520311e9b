' expect: 3
Function Main()
    Main = DatePart("q", DateSerial(2024, 8, 1))
End Function
