' expect: 1:05:09 PM
Function Main()
    Main = CStr(TimeSerial(13, 5, 9))
End Function
