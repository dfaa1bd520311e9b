' uses: table.inc
' Sgn, Abs, Fix, Int, Sqr, the trigonometric, Exp and Log functions, RGB
' and Rnd, as an expression table (CStr of the value, "Null", or "err" and
' the error number). Near compares to four places.
Const PI = 3.1415926
Function Near(value, expected)
  Near = Abs(value - expected) < 0.001
End Function
' Randomize with the same seed gives the same number only from the same
' generator state.
Function RandomizeRepeats()
  Dim x, y, z
  Rnd -1
  Randomize 123
  x = Rnd()
  Randomize 123
  y = Rnd()
  Rnd -1
  Randomize 123
  z = Rnd()
  RandomizeRepeats = (x <> y) & " " & (x = z)
End Function
? Rnd(0) => 0.01953125
? Rnd(0) => 0.01953125
? Rnd(-2) = Rnd(-2) => True
? Rnd(-1) <> Rnd(-2) => True
? RandomizeRepeats() => True True
? Stmt("x = Randomize(0)") => 13
? Sgn(Empty) => 0
? TypeName(Sgn(Empty)) => Integer
? Sgn(-32769) => -1
? TypeName(Sgn(-32769)) => Integer
? Sgn(CSng(-0.5)) => -1
? Sgn(CCur(-1)) => -1
? Sgn(CStr(-1)) => -1
? Sgn(False) => 0
? Sgn(True) => -1
? Sgn(CByte(1)) => 1
? TypeName(Sgn(CByte(1))) => Integer
? Sgn(Null) => err94
? TypeName(Abs(Empty)) => Integer
? TypeName(Abs(0)) => Integer
? Abs(-32769) => 32769
? TypeName(Abs(-32769)) => Long
? Abs(CSng(-0.5)) => 0.5
? TypeName(Abs(CSng(-0.5))) => Single
? TypeName(Abs(0.5)) => Double
? Abs(CCur(-1)) => 1
? TypeName(Abs(CCur(-1))) => Currency
? TypeName(Abs("-1")) => Double
? Abs(False) => 0
? Abs(True) => 1
? TypeName(Abs(True)) => Integer
? Abs(CByte(1)) => 1
? TypeName(Abs(CByte(1))) => Byte
? Abs("30000") => 30000
? Stmt("Call Abs(-4)") => 0
? Fix(Empty) => 0
? TypeName(Fix(Empty)) => Integer
? Fix(CCur(-0.99)) => 0
? TypeName(Fix(CCur(-0.99))) => Currency
? Fix(1.99) => 1
? TypeName(Fix(1.99)) => Double
? Fix(-1.99) => -1
? Fix("1.99") => 1
? TypeName(Fix("1.99")) => Double
? Fix("-1.99") => -1
? Fix(True) => -1
? TypeName(Fix(True)) => Integer
? Fix(False) => 0
? Fix(Obj(2.5)) => 2
? TypeName(Fix(Obj(2.5))) => Double
? Fix(Obj(-2.5)) => -2
? Int(Empty) => 0
? TypeName(Int(Empty)) => Integer
? Int(CCur(-0.99)) => -1
? TypeName(Int(CCur(-0.99))) => Currency
? Int(1.99) => 1
? TypeName(Int(1.99)) => Double
? Int(-1.99) => -2
? Int("1.99") => 1
? TypeName(Int("-1.99")) => Double
? Int("-1.99") => -2
? Int(True) => -1
? TypeName(Int(True)) => Integer
? Int(False) => 0
? Int(Obj(2.5)) => 2
? TypeName(Int(Obj(-2.5))) => Double
? Int(Obj(-2.5)) => -3
? Sqr(-2) => err5
? Sqr(True) => err5
? Stmt("Call Sqr(-2)") => 5
? Sqr(Empty) => 0
? TypeName(Sqr(Empty)) => Double
? Sqr(1) => 1
? Sqr(CSng(121)) => 11
? TypeName(Sqr(CSng(121))) => Double
? Sqr(36100) => 190
? Sqr(CCur(0.0625)) => 0.25
? TypeName(Sqr(CCur(0.0625))) => Double
? Sqr("100000000") => 10000
? Sqr(False) => 0
? Sqr(CByte(225)) => 15
? TypeName(Sqr(CByte(225))) => Double
? Near(Cos(Empty), 1) => True
? Near(Cos(PI / 6), Sqr(3) / 2) => True
? Near(Cos(CCur(PI / 4)), Sqr(2) / 2) => True
? Near(Cos(CSng(PI / 3)), 0.5) => True
? Near(Cos(PI / 2), 0) => True
? Near(Cos(PI), -1) => True
? Near(Cos(5 * PI / 4), -Sqr(2) / 2) => True
? Near(Cos(3 * PI / 2), 0) => True
? Near(Cos(2 * PI), 1) => True
? Near(Cos("-32768"), 0.3729) => True
? Near(Cos(False), 1) => True
? Near(Cos(True), 0.5403) => True
? Near(Cos(CByte(255)), -0.8623) => True
? TypeName(Cos(Empty)) => Double
? TypeName(Cos(CCur(1))) => Double
? Near(Sin(Empty), 0) => True
? Near(Sin(PI / 6), 0.5) => True
? Near(Sin(CCur(PI / 4)), Sqr(2) / 2) => True
? Near(Sin(CSng(PI / 3)), Sqr(3) / 2) => True
? Near(Sin(PI / 2), 1) => True
? Near(Sin(PI), 0) => True
? Near(Sin(5 * PI / 4), -Sqr(2) / 2) => True
? Near(Sin(3 * PI / 2), -1) => True
? Near(Sin(2 * PI), 0) => True
? Near(Sin("-32768"), -0.9278) => True
? Near(Sin(False), 0) => True
? Near(Sin(True), -0.84147) => True
? Near(Sin(CByte(255)), -0.5063) => True
? TypeName(Sin(CSng(1))) => Double
? TypeName(Sin(True)) => Double
? Near(Tan(Empty), 0) => True
? Near(Tan(PI / 6), Sqr(3) / 3) => True
? Near(Tan(CCur(PI / 4)), 1) => True
? Near(Tan(CSng(PI / 3)), Sqr(3)) => True
? Near(Tan(PI), 0) => True
? Near(Tan(3 * PI / 4), -1) => True
? Near(Tan(5 * PI / 4), 1) => True
? Near(Tan(2 * PI), 0) => True
? Near(Tan("-32768"), -2.4879) => True
? Near(Tan(False), 0) => True
? Near(Tan(True), -1.5574) => True
? Near(Tan(CByte(255)), 0.5872) => True
? TypeName(Tan(Empty)) => Double
? TypeName(Tan("-32768")) => Double
? Near(Atn(Empty), 0) => True
? Near(Atn(Sqr(3) / 3), PI / 6) => True
? Near(Atn(CCur(1)), PI / 4) => True
? Near(Atn(CSng(Sqr(3))), PI / 3) => True
? Near(Atn(0), 0) => True
? Near(Atn(-1), -PI / 4) => True
? Near(Atn("-32768"), -1.5707) => True
? Near(Atn(False), 0) => True
? Near(Atn(True), -0.7853) => True
? Near(Atn(CByte(255)), 1.5668) => True
? TypeName(Atn(Empty)) => Double
? TypeName(Atn(CByte(255))) => Double
? Near(Exp(Empty), 1) => True
? Near(Exp(1), 2.7182) => True
? Near(Exp(CCur(-1)), 0.3678) => True
? Near(Exp(CSng(0.5)), 1.6487) => True
? Near(Exp(-0.5), 0.6065) => True
? Near(Exp("-2"), 0.1353) => True
? Near(Exp(False), 1) => True
? Near(Exp(True), 0.3678) => True
? Near(Exp(CByte(2)), 7.389) => True
? TypeName(Exp(Empty)) => Double
? TypeName(Exp(CByte(2))) => Double
? Log(0) => err5
? Log(-2) => err5
? Log(False) => err5
? Log(True) => err5
? Stmt("Call Log(True)") => 5
? Near(Log(1), 0) => True
? Near(Log(CCur(0.5)), -0.6931) => True
? Near(Log(CSng(2.7182)), 1) => True
? Near(Log(32768), 10.3972) => True
? Near(Log("10"), 2.3025) => True
? Near(Log(CByte(2)), 0.6931) => True
? TypeName(Log(1)) => Double
? TypeName(Log(CCur(0.5))) => Double
? RGB(0, &h1f&, &hf1&) = &hf11f00& => True
? TypeName(RGB(0, &h1f&, &hf1&)) => Long
? RGB(&hef&, &hab&, &hcd&) = &hcdabef& => True
? RGB(&h1&, &h100&, &h111&) = &hffff01& => True
? RGB(&h4d&, -2, &h2f&) => err5
? Stmt("Call RGB(-1, &h1e&, &h3b&)") => 5
? TypeName(ScriptEngine) => String
? TypeName(ScriptEngineBuildVersion) => Long
? TypeName(ScriptEngineMajorVersion) => Long
? TypeName(ScriptEngineMinorVersion) => Long
