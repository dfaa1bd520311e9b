' expect: 3.5
Function Main()
    Main = Abs(-3.5)
End Function
