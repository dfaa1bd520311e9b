' expect: True
Function Main()
    Dim a
    a = Rnd
    Main = (Rnd(0) = a)
End Function
