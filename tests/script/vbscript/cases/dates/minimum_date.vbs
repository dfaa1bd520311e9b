' expect: 100
Function Main()
    Main = Year(DateSerial(100, 1, 1))
End Function
