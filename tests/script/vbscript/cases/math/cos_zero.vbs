' expect: 1
Function Main()
    Main = Cos(0)
End Function
