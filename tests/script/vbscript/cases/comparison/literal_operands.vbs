' A string against a number or Boolean: which side was written as a literal
' decides. Two literals compare as numbers (a Boolean as text); a computed
' number against a string literal compares as text, with no error; a
' negated number, a constant, a variable or a function result is no literal,
' nor is the subject of Select Case.
' uses: table.inc
Const FIVE = 5
Function Zero()
    Zero = "0"
End Function
? ("42" = 42) & " " & ("0" < 30) & " " & ("1e2" = 100) => True True True
? "abc" = 5 => err13
? ("True" = True) & " " & ("true" = True) & " " & ("True" > False) => True False True
? ("010" = CInt(10)) & " " & ("abc" = CInt(5)) & " " & ("10" > CDbl(5)) => False False False
? ("abc" = -5) & " " & ("abc" = FIVE) => False False
? (Zero() < 30) & " " & (Zero() > CInt(5)) => True True
? Stmt("Select Case 3: Case ""x"": End Select") => 0
