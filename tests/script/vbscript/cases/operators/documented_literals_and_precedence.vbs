' expect: failed: of 43
' Literals, operators and precedence. T(condition, label) records a failure.
Dim failed, count, hi
Sub T(c, label)
  count = count + 1
  If Not c Then failed = failed & " " & label
End Sub
Function Main()
  T 16 = &h10&, "hex long"
  T 010 = 10, "leading zero"
  T 10. = 10, "trailing dot"
  T &hffFFffFF& = -1, "hex -1"
  T 34e5 = 3400000, "exp"
  T 34e+5 = 3400000, "exp+"
  T 56.789e-2 = 0.56789, "exp-"
  T 1e-94938484 = 0, "underflow"
  T .5 = 0.5, ".5"
  T .5e1 = 5, ".5e1"
  T --1 = 1, "--1"
  T -Empty = 0, "-empty"
  T True = -1, "true -1"
  T &hffff = -1, "&hffff"
  T &hfffe = -2, "&hfffe"
  T &hffff& = 65535, "&hffff&"
  T ((&h01or&h02) = 3), "hex or"
  hi = "y"
  T "x" &hi = "xy", "&hi"
  T VarType(0) = 2 And VarType(0.5) = 5 And VarType(2147483647) = 3 And VarType(2147483648) = 5, "literal types"
  T VarType(&h10&) = 2 And VarType(&h10000&) = 3 And VarType(&hffFFffFF&) = 2 And VarType(&hffFF&) = 3, "hex types"
  T VarType(1e2) = 5 And VarType(#1/1/2011#) = 7 And VarType(1 & 100000) = 8, "more types"
  T VarType(-Empty) = 2 And IsNull(-Null), "negated empty, null"
  T "true" <> True, "string vs bool"
  T "" = True = False, "chained ="
  T Not (False = True = ""), "chained = 2"
  T Not (False = False <> False = False), "chained <>"
  T 2 => 1 And 2 =< 2 And 2 >< 1 And Not (2 >< 2), "=> =< ><"
  T Not (True >= 2) And False > True And 0 > True And Not (True > 0), "bool compare"
  T 1 = 1 < 0 And Not (0 > 1 = 1), "compare chains"
  T IsNull(0 = Null) And IsNull(Null > 1) And IsNull(0 <> Null) And IsNull(Null <= 1), "null compare"
  T False + 6 + True = 5 And 3 + 5 - True = 9, "bool arithmetic"
  T IsNull(2 + Null) And 2 + Empty = 2 And IsNull(2 - Null) And 2 - Empty = 2, "null/empty arithmetic"
  T 9 Mod 6 = 3 And 7 Mod 4 + 2 = 5 And IsNull(2 Mod Null) And IsNull(Null Mod 2), "mod"
  T 5 \ 2 = 2 And 4.6 \ 1.5 = 2 And 4.6 \ 1.49 = 5 And 2 + 3 \ 4 = 2, "int div"
  T 3 / 2 = 1.5 And 12 / 3 \ 2 = 2 And 5 / 1000000 = 0.000005, "div"
  T 2 ^ 3 ^ 2 = 64 And -3 ^ 2 = 9 And 2 * 3 ^ 2 = 18, "power"
  T "ab " & Null = "ab " And "ab " & Empty = "ab " And 1 & 100000 = "1100000", "concat"
  T "" & True = "True" And True & False = "TrueFalse", "concat bool"
  T IsNull(Null And True) And (Null Or True) And IsNull(False Eqv Null) And (False Imp Null), "null logic"
  T (False And False Or True) And (True Or False And False), "and before or"
  T Not (True Or False Xor True) And Not (True Xor False Or True), "xor after or"
  T +1 = 1 And VarType(+True) = 11 And VarType(+"true") = 8 And +--+-+1 = -1, "unary plus"
  T Nothing Is Nothing, "nothing is nothing"
  Main = "failed:" & failed & " of " & count
End Function
