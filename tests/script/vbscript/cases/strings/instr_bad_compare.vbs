' expect-error: 5
Function Main()
    Main = InStr(1, "abc", "a", 5)
End Function
