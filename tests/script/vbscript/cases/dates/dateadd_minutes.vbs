' expect: 30
Function Main()
    Main = Minute(DateAdd("n", 90, DateSerial(2000, 1, 1)))
End Function
