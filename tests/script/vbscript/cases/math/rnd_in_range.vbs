' expect: True
Function Main()
    Dim i, ok, r
    ok = True
    Randomize
    For i = 1 To 1000
        r = Rnd
        If r < 0 Or r >= 1 Then ok = False
    Next
    Main = ok
End Function
