' expect: 36526
Function Main()
    Main = CLng(DateSerial(2000, 1, 1))
End Function
