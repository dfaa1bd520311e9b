' expect-error: 94
Function Main()
    Main = FormatDateTime(Null)
End Function
