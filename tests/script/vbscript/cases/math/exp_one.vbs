' expect: 2.71828
Function Main()
    Main = Round(Exp(1), 5)
End Function
