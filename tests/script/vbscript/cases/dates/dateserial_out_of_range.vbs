' expect-error: 5
Function Main()
    Main = DateSerial(10000, 1, 1)
End Function
