' expect: True
Function Main()
    Dim a, b, c
    c = Rnd(-1)
    Randomize 7
    a = Rnd
    c = Rnd(-1)
    Randomize 7
    b = Rnd
    Main = (a = b)
End Function
