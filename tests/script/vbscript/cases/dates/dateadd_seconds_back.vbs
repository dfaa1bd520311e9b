' expect: 12/31/1999 11:59:59 PM
Function Main()
    Main = CStr(DateAdd("s", -1, DateSerial(2000, 1, 1)))
End Function
