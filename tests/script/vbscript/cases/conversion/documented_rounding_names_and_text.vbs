' expect: failed: of 87
' uses: table.inc
' More string, rounding, name and conversion built-ins as documented, as an
' expression table (CStr of the value, "Null", or "err" and the error number).
Function Main()
  Check Join(Array( _
    "Len(Space(""1"")) => 1", _
    "Space(Empty) => ", _
    "Space(-1) => err5", _
    "Space(""-1"") => err5", _
    "Space(Null) => err94", _
    "String(3, ""xy"") => xxx", _
    "String(""3"", ""xy"") => xxx", _
    "String(0, ""z"") => ", _
    "String(-2, ""x"") => err5", _
    "String(3, """") => err5", _
    "String(0, """") => err5", _
    "StrReverse(123) => 321", _
    "StrReverse(True) => eurT", _
    "Left(123, 2) => 12", _
    "Left(""123456"", 1.5) => 12", _
    "Left(""123456"", 2.5) => 12", _
    "Left(""test"", ""2"") => te", _
    "Left(True, 2) => Tr", _
    "Right(123, ""2"") => 23", _
    "Right(Empty, 1) => "), vbLf)
  Check Join(Array( _
    "Right(""test"", Empty) => ", _
    "Right(True, 2) => ue", _
    "Right(Null, 1) => Null", _
    "Right(""test"", -1) => err5", _
    "Right(Null, -1) => err5", _
    "Right(""test"", Null) => err94", _
    "Trim(123) => 123", _
    "LTrim(""   test    "") => test    ", _
    "RTrim(""   test    "") =>    test", _
    "Replace(""xx testxx(xx)"", ""xx"", ""!"") => ! test!(!)", _
    "Replace(""xxx"", """", ""y"") => xxx", _
    "Replace(""xxxxx"", ""xx"", ""y"") => yyx", _
    "Replace(123, 2, 6) => 163", _
    "Replace(""xx testxx(xx)"", ""xx"", ""!"", 2) => x test!(!)", _
    "Replace(""xx testxx(xx)"", ""xx"", ""!"", 2000) => ", _
    "Replace(""xxx"", """", ""y"", 2) => xx", _
    "Replace(""xx testxx(xx)"", ""xx"", ""!"", 2, 1) => x test!(xx)", _
    "Replace(""xx testxx(xx)"", ""xx"", ""!"", 1, 0) => xx testxx(xx)", _
    "Replace(""Aa testAAa(aa)"", ""aa"", ""!"", 1, 2, 1) => ! test!a(aa)", _
    "Replace(""aa testAa(aa)"", ""aa"", ""!"", 2, 2, 0) => a testAa(!)"), vbLf)
  Check Join(Array( _
    "Replace(""aa testaa(aa)"", ""A"", ""!"", 1, -1, 1) => !! test!!(!!)", _
    "Replace(""xx"", ""x"", ""y"", -1) => err5", _
    "Replace(""xx"", ""x"", ""y"", 0) => err5", _
    "Replace(""xx"", ""x"", ""y"", 1, -2) => err5", _
    "Replace(Null, ""x"", ""y"", 1, 1, 0) => err94", _
    "Replace(""xx"", Null, ""y"", 1, 1, 0) => err94", _
    "Replace(""xx"", ""x"", Null, 1, 1, 0) => err94", _
    "Replace(""xx"", ""x"", ""y"", Null, 1, 0) => err94", _
    "Replace(""xx"", ""x"", ""y"", 1, Null, 0) => err94", _
    "Replace(""xx"", ""x"", ""y"", 1, 1, Null) => err94", _
    "Replace(""xx"", ""x"", ""y"", 1, 1, 8) => err5", _
    "TypeName(Round(3)) => Integer", _
    "TypeName(Round(3.3)) => Double", _
    "Round(3.5) => 4", _
    "Round(-3.5) => -4", _
    "Round(-3.3) => -3", _
    "TypeName(Round(""2"")) => Double", _
    "TypeName(Round(True)) => Boolean", _
    "TypeName(Round(3, 1)) => Integer", _
    "Round(3.5, 1) => 3.5"), vbLf)
  Check Join(Array( _
    "Round(-3.5, 0) => -4", _
    "TypeName(Round(False, 1)) => Boolean", _
    "WeekdayName(1) => Sunday", _
    "WeekdayName(1.1) => Sunday", _
    "WeekdayName(1, 10) => Sun", _
    "WeekdayName(1, True, 2) => Mon", _
    "WeekdayName(1, True, 2.5) => Mon", _
    "WeekdayName(1, True, 1.5) => Mon", _
    "WeekdayName(1, True, 7.1) => Sat", _
    "MonthName(12, False) => December", _
    "MonthName(1, 10) => Jan", _
    "TypeName(Now()) => Date", _
    "TypeName(vbOKOnly) => Integer", _
    "vbNo => 7", _
    "CInt(-36.75) => -37", _
    "CInt(-36.50) => -36", _
    "CInt(0.5) => 0", _
    "CInt(36.50) => 36", _
    "CInt(36.75) => 37", _
    "TypeName(CInt(36.75)) => Integer"), vbLf)
  Check Join(Array( _
    "CBool(-0.56) => True", _
    "CBool("""") => err13", _
    "CBool(""0"") => False", _
    "CBool(""0.1"") => True", _
    "CBool(""TRUE"") => True", _
    "CBool(""false"") => False", _
    "CBool(Empty) => False"), vbLf)
  Main = "failed:" & failed & " of " & count
End Function
