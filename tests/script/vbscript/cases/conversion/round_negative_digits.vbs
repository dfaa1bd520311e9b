' expect-error: 5
Function Main()
    Main = Round(1.5, -1)
End Function
