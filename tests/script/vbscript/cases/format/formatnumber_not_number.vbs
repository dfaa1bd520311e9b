' expect-error: 13
Function Main()
    Main = FormatNumber("abc")
End Function
