' Comparison operators across subtypes, Null, Empty and Is. A number compared
' with a string compares as numbers when one side is a literal, as text (a
' number is less than any string) when both are variables.
Class C
End Class
Function ThenOrElse(condition)
    If condition Then ThenOrElse = "then" Else ThenOrElse = "else"
End Function
Dim e, n9, n10, n1000, s10, s100, a, b
n9 = 9
n10 = 10
n1000 = 1000
s10 = "10"
s100 = "100"
Set a = New C
Set b = a
? (True = -1) => True
? (#1/1/2020# < #1/2/2020#) => True
? (1 <> 2) & " " & (1 >< 2) => True True
? (1 < 2) & " " & (2 < 1) & " " & (2 >= 2) => True False True
? ("a" < "b") & " " & ("B" < "a") => True True
? (e = 0) & " " & (e < 1) & " " & (e = "") => True True True
? (n10 = "10") & " " & (n9 > "10") & " " & (s10 = 10) => True True True
? (s10 = n10) & " " & (s100 > n1000) => False True
? TypeName(Null = Null) & " " & ThenOrElse(Null) => Null else
? (a Is b) & " " & (a Is New C) & " " & (Nothing Is Nothing) => True False True
? 1 Is 2 => err424
