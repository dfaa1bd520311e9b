' Arithmetic on variables and literals: the type a result is promoted to, how
' strings and Empty take part, and integer division and Mod on negatives and
' fractions.
Dim e, i, s10, s5, n5
i = 16384: s10 = "10": s5 = "5": n5 = 5
? -True => 1
? (e + 5) & " " & (e & "x") => 5 x
? s10 + n5 => 15
? s10 + s5 => 105
? TypeName(i + (i - 1)) & " " & TypeName(i + i) => Integer Long
? TypeName(CLng(2147483647) + 1) => Double
? TypeName(256 * 256) & " " & TypeName(65536 * 65536) => Long Double
? 100000000 * 100000000 => 1E+16
? -5 \ 2 => -2
? 10.4 Mod 3 => 1
