' expect-error: 5
Function Main()
    Main = Replace("abc", "a", "b", 0)
End Function
