' expect-error: 13
Function Main()
    Main = Abs("x")
End Function
