' expect-error: 94
Function Main()
    Main = Replace(Null, "a", "b")
End Function
