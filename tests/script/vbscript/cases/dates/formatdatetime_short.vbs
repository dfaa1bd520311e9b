' expect: 1/31/2024
Function Main()
    Main = FormatDateTime(#1/31/2024 13:05:00#, vbShortDate)
End Function
