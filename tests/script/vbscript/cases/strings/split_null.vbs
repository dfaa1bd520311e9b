' expect-error: 94
Function Main()
    Main = Split(Null)
End Function
