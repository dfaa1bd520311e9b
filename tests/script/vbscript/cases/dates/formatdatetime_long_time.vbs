' expect: 1:05:00 PM
Function Main()
    Main = FormatDateTime(#1/31/2024 13:05:00#, vbLongTime)
End Function
