' expect: -101
Function Main()
    Main = Sgn(-4) & Sgn(0) & Sgn(9.5)
End Function
