' expect-error: 5
Function Main()
    Main = Sqr(-4)
End Function
