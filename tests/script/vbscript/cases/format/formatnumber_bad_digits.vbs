' expect-error: 5
Function Main()
    Main = FormatNumber(1, -2)
End Function
