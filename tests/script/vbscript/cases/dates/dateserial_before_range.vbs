' expect-error: 5
Function Main()
    Main = DateSerial(100, 1, 0)
End Function
