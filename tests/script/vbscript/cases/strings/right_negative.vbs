' expect-error: 5
Function Main()
    Main = Right("abc", -1)
End Function
