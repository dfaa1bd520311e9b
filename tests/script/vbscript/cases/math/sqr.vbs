' expect: 4
Function Main()
    Main = Sqr(16)
End Function
