' Math built-ins: values, domain errors and result types; Rnd's unseeded sequence.
? Round(Atn(1) * 4, 6) => 3.141593
? Cos(0) => 1
? Round(Exp(1), 5) => 2.71828
? Exp(1000) => err6
? Log(Exp(2)) => 2
? Log(-1) => err5
? TypeName(Sqr(4)) => Double
? CStr(Rnd) & " " & CStr(Rnd) & " " & CStr(Rnd) => 0.7055475 0.533424 0.5795186
? TypeName(Rnd) => Single
? Sin(0) => 0
? Sqr(16) => 4
? Sqr(-4) => err5
? IsNull(Sqr(Null)) => True
? Sqr("abc") => err13
? Sqr(0) => 0
? Tan(0) => 0
