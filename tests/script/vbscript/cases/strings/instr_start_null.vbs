' expect-error: 94
Function Main()
    Main = InStr(Null, "abc", "a")
End Function
