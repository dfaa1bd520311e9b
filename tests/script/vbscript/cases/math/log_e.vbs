' expect: 2
Function Main()
    Main = Log(Exp(2))
End Function
