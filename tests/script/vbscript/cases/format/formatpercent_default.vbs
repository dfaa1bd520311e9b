' expect: 25.60%
Function Main()
    Main = FormatPercent(0.256)
End Function
