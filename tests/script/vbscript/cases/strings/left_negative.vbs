' expect-error: 5
Function Main()
    Main = Left("abc", -1)
End Function
