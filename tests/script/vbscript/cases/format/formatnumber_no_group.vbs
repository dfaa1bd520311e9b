' expect: 1234.5
Function Main()
    Main = FormatNumber(1234.5, 1, , , vbFalse)
End Function
