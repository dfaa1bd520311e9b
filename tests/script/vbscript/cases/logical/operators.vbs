' Logical operators on booleans, integers (bitwise), strings and Null.
? TypeName(70000 And 1) => Long
? (True And False) & " " & (True Or False) => False True
? "True" And "True" => True
? (6 And 5) & " " & (6 Or 5) & " " & (6 Xor 5) => 4 7 3
? 6 Eqv 5 => -4
? 1 Imp 0 => -2
? Not True => False
? (Not 5) & " " & TypeName(Not 5) => -6 Integer
? TypeName(Not Null) => Null
? Null And False => False
? TypeName(Null And True) => Null
? (False Imp Null) & " " & TypeName(True Imp Null) & " " & (Null Imp True) => True Null True
? TypeName(Null Or False) => Null
? Null Or True => True
? TypeName(True Xor Null) => Null
? (True Xor False) & " " & (True Eqv False) & " " & (False Imp False) => True False True
