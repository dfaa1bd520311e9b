' expect-error: 5
Function Main()
    Main = Log(-1)
End Function
