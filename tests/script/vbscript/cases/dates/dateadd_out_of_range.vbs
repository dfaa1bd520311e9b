' expect-error: 5
Function Main()
    Main = DateAdd("d", 1, DateSerial(9999, 12, 31))
End Function
