' expect: 4
Function Main()
    Main = Month(DateAdd("q", 1, DateSerial(2024, 1, 31)))
End Function
