' expect-error: 5
Function Main()
    Main = FormatDateTime(Now, 5)
End Function
