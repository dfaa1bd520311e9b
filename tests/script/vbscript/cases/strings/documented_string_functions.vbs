' expect: failed: of 132
' uses: table.inc
' String built-ins as documented: each line is an expression and what it
' gives (CStr of the value, "Null", or "err" and the error number).
Function Main()
  Check Join(Array( _
    "Oct(Empty) => 0", "Oct(9) => 11", "Oct(""9"") => 11", "Oct(8.5) => 10", "Oct(9.5) => 12", "Oct(-1) => 177777", _
    "Oct(-32767) => 100001", "Oct(-32768) => 37777700000", "Oct(2147483647.49) => 17777777777", _
    "Oct(-2147483648.5) => 20000000000", "Oct(Null) => Null", "Oct(2147483647.5) => err6", "Oct(""test"") => err13", _
    "Hex(2147483648.51) => err6", "Hex(""test"") => err13", _
    "InStr(1, ""abcd"", ""bc"") => 2", "InStr(""abcbc"", ""bc"") => 2", "InStr(3, ""abcd"", ""bc"") => 0", _
    "InStr(5, ""abcd"", ""bc"") => 0", "InStr(""abcd"", Null) => Null", "InStr(Null, ""abcd"") => Null", _
    "InStr(2, Null, ""abcd"") => Null", "InStr(1.3, ""abcd"", ""bc"") => 2", "InStr(2.6, ""abcd"", ""bc"") => 0", _
    "InStr(3, ""abcdefgh"", ""FG"", 0) => 0", "InStr(3, ""abcdefgh"", ""FG"", 1) => 6", _
    "InStr(3, ""abcdefgh"", ""FG"", 1.4) => 6", "InStr(3, ""abcdefgh"", ""FG"", -0.3) => 0", _
    "InStr(2, ""abcABC"", ""aB"", 1) => 4", "InStr(6, ""abcABC"", ""c"", 1) => 6", _
    "InStr(2, ""abc"" & Chr(0) & ""A"" & Chr(0) & ""BC"", ""C"", 0) => 8", "InStr(1, 23456, 45, 0) => 3", _
    "InStr(1, ""23456"", 34, 1) => 2", "InStr(2, """", ""abcd"", 0) => 0", "InStr(4, ""abcdef"", """", 0) => 4", _
    "InStr(20, ""abcdef"", """", 0) => 0", "InStr(4, """", """", 0) => 0", "VarType(InStr(""a"", ""a"")) => 3", _
    "InStr(Null, ""abcd"", ""abcd"", 0) => err94", "InStr(2, ""abcd"", ""abcd"", Null) => err94", _
    "InStr(-20, ""abcd"", ""abcd"", 1) => err5", "InStr(2, ""abcd"", ""abcd"", 10) => err5", _
    "InStrRev(""bcabcd"", ""bc"") => 4", "InStrRev(""bcabcd"", ""bc"", 6) => 4", "InStrRev(""abcd"", ""bc"", 3) => 2", _
    "InStrRev(""abcd"", ""bc"", 2) => 0", "InStrRev(""abcd"", ""b"", 2) => 2", "InStrRev(""abcd"", ""bc"", 5) => 0", _
    "InStrRev(""abcd"", ""bc"", 15) => 0", "InStrRev(""abcd"", ""bc"", 2.6) => 2", "InStrRev(1234, 34) => 3", _
    "InStrRev(""abcd"", ""A"", 1, 1) => 1", "InStrRev(""abcd"", ""Ab"", -1, 1) => 1", "InStrRev(""abcd"", ""cd"", 4, 1) => 3", _
    "InStrRev("""", ""hi"", 1, 0) => 0", "InStrRev(""abcd"", """", 3, 1) => 3", "InStrRev("""", """", 3, 0) => 0", _
    "InStrRev(""abcd"", Null, 2, 0) => err94", "InStrRev(""abcd"", ""abcd"", -20, 1) => err5", _
    "InStrRev(""abcd"", ""abcd"", 2, 10) => err5", _
    "Mid(""test"", 2, 4) => est", "Mid(""test"", 5, 2) => ", "Mid(1234, 1, 2) => 12", "Mid(""test"", 4) => t", _
    "Mid(Empty, 5, 2) => ", "Mid(Null, 5, 2) => Null", "Mid(Null, 5) => Null", "Mid(""test"", ""a"", 1) => err13", _
    "Mid(""test"", ""a"", Null) => err94", "Mid(""test"", 0, 3) => err5", "Mid(""test"", -1, -1) => err5", _
    "Mid(""test"", Null, 2) => err94", "Mid(Null, -1, -1) => err5", "Mid(""test"", Empty, 1) => err5", _
    "Mid(""test"", 0, Empty) => err5", "Mid(""test"", ""a"", Empty) => err13", _
    "UCase(""123aBC?"") => 123ABC?", "UCase(1) => 1", "UCase(True) => TRUE", "UCase(Empty) => ", "UCase(Null) => Null", _
    "LCase(""123aBC?"") => 123abc?", "LCase(True) => true", "LCase(Null) => Null", _
    "Join(Array()) => ", "Join(Array(""a"", ""b"", ""c"", 1, 2, 3)) => a b c 1 2 3", "Join(Array(1, Empty)) => 1 ", _
    "Join(Array(""a"", ""b"", ""c""), ""123"") => a123b123c", "Join(Array(""a"", ""b"", ""c""), Empty) => abc", _
    "Join(Null) => err94", "Join(Empty) => err13", "Join(""test"") => err13", "Join(Array(1, Null)) => err13", _
    "Join(Array(Array(1, 2))) => err13", "Join(Array(), Null) => err94", _
    "Split(""abc def"")(1) => def", "Split(""abc def"", """")(0) => abc def", "Split(""abc--def"", ""-"")(1) => ", _
    "Split(""abcdefghi"", ""def"")(1) => ghi", "Split(""12345"", 3)(1) => 45", "Split(""12345"", 5)(0) => 1234", _
    "Split(""12345"", 12)(1) => 345", "UBound(Split(""a b c d e f g h i j k l m n o p q"")) => 16", _
    "UBound(Split(""abc-def-ghi"", ""-"", 2)) => 1", "UBound(Split(""abc-def-ghi"", ""-"", 4)) => 2", _
    "UBound(Split(""abcZdefZghi"", ""z"", 3, 0)) => 0", "UBound(Split(""abcZdefZghi"", ""z"", 3, 1)) => 2", _
    "Split(""abc-def-ghi"", ""-"", -1, 2) => err5", "Split(""abc-def-ghi"", ""-"", -42, 0) => err5", _
    "Split(Null, ""-"", -1, 0) => err94", "Split(""abc"", ""-"", Null, 0) => err94", _
    "StrComp(""ABC"", ""abc"", 0) => -1", "StrComp(""abc"", ""ABC"", 0) => 1", "StrComp(""ABCD"", ""ABC"", 0) => 1", _
    "StrComp(""ABC"", ""abc"", 1) => 0", "StrComp(""ABC"", ""ABCD"", ""1"") => -1", "StrComp(""1"", 1.0, 1) => 0", _
    "StrComp(Empty, """", 1) => 0", "StrComp(Empty, ""ABC"", 1) => -1", "StrComp(""ABC"", Empty, 1) => 1", _
    "StrComp("""", vbNull, 1) => -1", _
    "Len(1) => 1", "Len(Null) => Null", "Len(Empty) => 0", "VarType(Len(""abc"")) => 3", _
    "Len(Space(5.2)) => 5", "Len(Space(5.8)) => 6", "Len(Space(5.5)) => 6", "Len(Space(4.5)) => 4", _
    "Len(Space(0.5)) => 0", "Len(Space(1.5)) => 2", "Space(False) => "), vbLf)
  Main = "failed:" & failed & " of " & count
End Function
