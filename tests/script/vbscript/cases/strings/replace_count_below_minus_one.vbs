' expect-error: 5
Function Main()
    Main = Replace("abc", "a", "b", 1, -2)
End Function
