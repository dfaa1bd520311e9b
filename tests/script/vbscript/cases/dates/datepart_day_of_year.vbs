' expect: 91
Function Main()
    Main = DatePart("y", DateSerial(2024, 3, 31))
End Function
