' expect-error: 5
Function Main()
    Main = DateAdd("x", 1, DateSerial(2000, 1, 1))
End Function
