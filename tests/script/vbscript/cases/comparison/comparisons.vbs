' Comparison operators across subtypes, Null and Is.
? (True = -1) => True
? (#1/1/2020# < #1/2/2020#) => True
? 1 Is 2 => err424
? (1 <> 2) & " " & (1 >< 2) => True True
? TypeName(Null = Null) => Null
? (1 < 2) & " " & (2 < 1) & " " & (2 >= 2) => True False True
? ("a" < "b") & " " & ("B" < "a") => True True
