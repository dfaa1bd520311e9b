' expect: 0.12
Function Main()
    Main = Round(0.125, 2)
End Function
