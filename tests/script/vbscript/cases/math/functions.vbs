' Math built-ins: values, domain errors and result types. Rnd: its unseeded
' sequence, Rnd(0) and Rnd(<0), and Randomize, each case in a fresh engine.
' Randomize n, then the first number as text.
Function Seeded(n)
    Randomize n
    Seeded = CStr(Rnd)
End Function
Function RndInRange()
    Dim i, r
    RndInRange = True
    Randomize
    For i = 1 To 1000
        r = Rnd
        If r < 0 Or r >= 1 Then RndInRange = False
    Next
End Function
? Round(Atn(1) * 4, 6) => 3.141593
? Cos(0) => 1
? Round(Exp(1), 5) => 2.71828
? Exp(1000) => err6
? Log(Exp(2)) => 2
? Log(-1) => err5
? TypeName(Sqr(4)) => Double
? Sin(0) => 0
? Sqr(16) => 4
? Sqr(-4) => err5
? IsNull(Sqr(Null)) => True
? Sqr("abc") => err13
? Sqr(0) => 0
? Tan(0) => 0
' case: unseeded Rnd
? CStr(Rnd) & " " & CStr(Rnd) & " " & CStr(Rnd) => 0.7055475 0.533424 0.5795186
? TypeName(Rnd) => Single
? Rnd = Rnd(0) => True
? CStr(Rnd(-1)) & " " & (Rnd < 1) & " " & CStr(Rnd(-1)) => 0.224007 True 0.224007
' case: Randomize
? Seeded(0) => 0.7641413
? Rnd(-1) & Seeded(7) = Rnd(-1) & Seeded(7) => True
? RndInRange() => True
