' expect: 0
Function Main()
    Main = Tan(0)
End Function
