' expect: 100%
Function Main()
    Main = FormatPercent(1, 0)
End Function
