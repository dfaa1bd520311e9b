' expect: (50%)
Function Main()
    Main = FormatPercent(-0.5, 0, , vbTrue)
End Function
