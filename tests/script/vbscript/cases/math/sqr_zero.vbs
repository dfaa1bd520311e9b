' expect: 0
Function Main()
    Main = Sqr(0)
End Function
