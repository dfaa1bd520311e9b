' expect-error: 6
Function Main()
    Main = Exp(1000)
End Function
