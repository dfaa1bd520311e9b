' expect-error: 5
Function Main()
    Main = Log(0)
End Function
