' expect: 2:30
Function Main()
    Main = Hour(TimeSerial(1, 90, 0)) & ":" & Minute(TimeSerial(1, 90, 0))
End Function
