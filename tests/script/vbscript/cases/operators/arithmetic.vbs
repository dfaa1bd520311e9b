' Arithmetic and concatenation: result subtypes, promotion, overflow, precedence.
' Typed(v) shows a result with its subtype.
Function Typed(v)
    Typed = v & " " & TypeName(v)
End Function
Dim e
? Typed(1 + 2) & ", " & Typed(32767 + 1) & ", " & Typed(200 * 200) => 3 Integer, 32768 Long, 40000 Long
? Typed(2147483647 + 1) & ", " & Typed(True + True) & ", " & Typed(e + e) => 2147483648 Double, -2 Integer, 0 Integer
? Typed(CByte(20) + CByte(10)) & ", " & Typed(CByte(200) + CByte(100)) => 30 Byte, 300 Integer
? Typed(CByte(1) - CByte(2)) & ", " & Typed(CCur(1.5) + 2) => -1 Integer, 3.5 Currency
? Typed(#2/1/2020# - #1/1/2020#) & ", " & Typed(#1/2/2020# + 1) => 31 Double, 1/3/2020 Date
? Typed("10" & 5) & ", " & Typed("10" + 5) & ", " & "a" + e => 105 String, 15 Double, a
? Typed(-e) & ", " & Typed(-CInt(-32768)) => 0 Integer, 32768 Long
? -2147483648 \ -1 => err6
? Typed(CLng(-2147483647) \ -1) & ", " & Typed(CInt(-32768) \ -1) => 2147483647 Long, 32768 Long
? CCur(900000000000000) * 100 => err6
? TypeName(CCur(1.5) * 2.5) => Double
? 1 / 0 => err11
? 5 / 2 & " " & TypeName(4 / 2) & " " & 4 / 2 => 2.5 Double 2
? 1E308 * 10 => err6
? 7 \ 2 & " " & -7 \ 2 & " " & TypeName(7 \ 2) => 3 -3 Integer
? 5 \ 0 => err11
? 4.5 \ 2 & " " & 5.5 \ 2 => 2 3
? 7 Mod 3 & " " & -7 Mod 3 & " " & 7 Mod -3 => 1 -1 1
? 5 Mod 0 => err11
? TypeName(100000 Mod 7) => Long
? 2.5 Mod 2 & " " & 3.5 Mod 3 => 0 1
? TypeName(Null & Null) => Null
? "a" & Null & "b" => ab
? TypeName(Null + 1) => Null
? 2 ^ 3 & " " & TypeName(2 ^ 3) & " " & 2 ^ -1 => 8 Double 0.5
? (-8) ^ (1 / 3) => err5
? 2 ^ 3 ^ 2 => 64
? -2 ^ 2 => 4
? Not 1 = 1 => False
? 3 & 2 + 3 => 35
? 10 \ 3 Mod 2 => 1
? 2 + 3 * 4 => 14
? TypeName(CSng(1.5) + 2) => Single
? TypeName(CSng(1.5) + CLng(2)) => Double
? "10" + "5" => 105
? "abc" + 1 => err13
? -"5" & " " & TypeName(-"5") => -5 Double
? 0 / 0 => err6
