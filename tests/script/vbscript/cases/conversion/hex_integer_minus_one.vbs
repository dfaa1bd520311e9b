' expect: FFFF
Function Main()
    Main = Hex(CInt(-1))
End Function
