' expect: 09:05
Function Main()
    Main = FormatDateTime(#1/31/2024 09:05:00#, vbShortTime)
End Function
