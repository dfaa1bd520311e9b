' expect: 1,234,567.89
Function Main()
    Main = FormatNumber(1234567.891)
End Function
