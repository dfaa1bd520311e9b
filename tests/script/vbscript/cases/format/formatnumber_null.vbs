' expect-error: 94
Function Main()
    Main = FormatNumber(Null)
End Function
