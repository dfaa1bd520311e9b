' Conversions to whole numbers round halves to even; Currency keeps four
' decimals; numbers and Booleans as text.
? CByte(2.5) & " " & CInt(0.5) & " " & CInt(1.5) & " " & CInt(2.5) & " " & CInt(3.5) & " " & CInt(-2.5) => 2 0 2 2 4 -2
? CLng(2.5) & " " & CLng(3.5) => 2 4
? CCur(1 / 3) => 0.3333
? 0.1 & " " & 1E20 & " " & -0.5 => 0.1 1E+20 -0.5
? True & " " & False => True False
