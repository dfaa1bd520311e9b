' expect: 23:59
Function Main()
    Main = Hour(TimeSerial(0, 0, -1)) & ":" & Second(TimeSerial(0, 0, -1))
End Function
