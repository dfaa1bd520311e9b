' expect: 1,235
Function Main()
    Main = FormatNumber(1234.5, 0)
End Function
