' expect-error: 5
Function Main()
    Main = Space(-1)
End Function
