' expect: 1:00:00 PM
Function Main()
    Main = CStr(TimeValue("2024-02-29 13:00"))
End Function
