' expect: 1/2/2000 12:00:00 PM
Function Main()
    Main = CStr(DateAdd("h", 36, DateSerial(2000, 1, 1)))
End Function
