' expect: 1/31/2024
Function Main()
    Main = CStr(DateSerial(2024, 1, 31))
End Function
