' Null And a zero number is that zero, not Null.
? Null And 0 => 0
