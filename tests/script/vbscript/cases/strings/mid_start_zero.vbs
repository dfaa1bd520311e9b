' expect-error: 5
Function Main()
    Main = Mid("abc", 0)
End Function
