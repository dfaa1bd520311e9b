' expect-error: 5
Function Main()
    Main = Mid("abc", 1, -1)
End Function
