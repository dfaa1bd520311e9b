' A string against a number: two literals compare as numbers (a Boolean as
' text), a computed number against a string literal as text. A negated number,
' a constant, a function result or a Select Case subject is no literal.
' uses: table.inc
Const FIVE = 5
Function Zero(): Zero = "0": End Function
? ("42" = 42) & " " & ("0" < 30) & " " & ("1e2" = 100) & " " & Stmt("x = (""abc"" = 5)") => True True True 13
? ("True" = True) & " " & ("true" = True) & " " & ("True" > False) => True False True
? ("010" = CInt(10)) & " " & ("abc" = CInt(5)) & " " & ("10" > CDbl(5)) => False False False
? ("abc" = -5) & " " & ("abc" = FIVE) & " " & (Zero() < 30) & " " & (Zero() > CInt(5)) => False False True True
? Stmt("Select Case 3: Case ""x"": End Select") => 0
