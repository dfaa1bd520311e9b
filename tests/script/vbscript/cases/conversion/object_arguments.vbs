' IsDate, IsNumeric, UBound and LBound on an object: its default value;
' the tests are False for an object without one, the bounds 438.
' uses: table.inc
? IsDate(New EmptyClass) & " " & IsDate(Obj(#1/1/2000#)) & " " & IsDate(Nothing) => False True False
? UBound(Obj(Array(1, 2))) => 1
? UBound(New EmptyClass) => err438
