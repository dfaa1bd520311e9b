' expect: 0.7055475
Function Main()
    Main = CStr(Rnd)
End Function
