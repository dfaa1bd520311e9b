' expect-error: 5
Function Main()
    Main = InStr(0, "abc", "a")
End Function
