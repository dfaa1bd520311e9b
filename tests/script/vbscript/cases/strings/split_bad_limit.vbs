' expect-error: 5
Function Main()
    Main = Split("a", ",", -2)
End Function
