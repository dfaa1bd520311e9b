' expect: (1,234.50)
Function Main()
    Main = FormatNumber(-1234.5, 2, , vbTrue)
End Function
