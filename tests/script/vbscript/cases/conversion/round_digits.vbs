' expect: 1.23
Function Main()
    Main = Round(1.2345, 2)
End Function
