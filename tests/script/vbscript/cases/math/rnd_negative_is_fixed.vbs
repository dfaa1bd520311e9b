' expect: True
Function Main()
    Dim a, b
    a = Rnd(-1)
    b = Rnd
    Main = (Rnd(-1) = a) And (CStr(a) = "0.224007")
End Function
