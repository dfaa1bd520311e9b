' expect: failed: of 29
' Built-in constants, type tests, Chr, CStr, Hex and bounds: what the
' standard engine documents.
Dim failed, count
Sub T(c, label)
  count = count + 1
  If Not c Then failed = failed & " " & label
End Sub
Class EmptyClass
End Class
Class ValClass
  Public myval
  Public Default Property Get defprop : defprop = myval : End Property
End Class
Function ErrOf(code)
  On Error Resume Next
  Execute code
  ErrOf = Err.Number
End Function
Function Main()
  Dim x, arr(2), arr2(2, 4), o
  T vbSunday = 1 And vbSaturday = 7 And VarType(vbMonday) = 2, "weekday constants"
  T vbEmpty = 0 And vbNull = 1 And vbLong = 3 And vbCurrency = 6 And vbString = 8 And vbObject = 9, "vartype constants"
  T vbError = 10 And vbBoolean = 11 And vbVariant = 12 And vbDataObject = 13 And vbDecimal = 14 And vbByte = 17 And vbArray = 8192, "vartype constants 2"
  T vbCritical = 16 And vbQuestion = 32 And vbExclamation = 48 And vbInformation = 64 And vbDefaultButton4 = 768 And vbSystemModal = 4096, "msgbox constants"
  T vbMsgBoxHelpButton = 16384 And VarType(vbMsgBoxHelpButton) = 3 And vbMsgBoxRtlReading = 1048576, "long msgbox constants"
  T vbFirstJan1 = 1 And vbFirstFullWeek = 3 And vbTrue = -1 And VarType(vbTrue) = 2 And vbUseDefault = -2, "misc constants"
  T vbTextCompare = 1 And vbDatabaseCompare = 2 And vbLongDate = 1 And vbShortTime = 4, "compare/format constants"
  T vbObjectError = &h80040000& And vbBlue = &hff0000& And vbRed = &hff& And vbYellow = &hffff& And VarType(vbWhite) = 3 And VarType(vbBlack) = 3, "color constants"
  T vbCrLf = Chr(13) & Chr(10) And vbNewLine = vbCrLf And vbFormFeed = Chr(12) And vbNullChar = Chr(0) And vbNullString = "" And vbVerticalTab = Chr(11), "string constants"
  T CStr(3) = "3" And CStr(3.5) = "3.5" And CStr(True) = "True" And VarType(CStr(3)) = 8, "CStr"
  T ErrOf("CStr(null)") = 94, "CStr(Null)"
  T Chr(120) = "x" And Chr(0) <> "" And Chr(120.5) = "x" And Chr(119.5) = "x" And Chr("120") = "x", "Chr rounding"
  T ErrOf("Chr(65536)") = 5 And ErrOf("Chr(-32769)") = 5, "Chr range"
  T IsObject(New EmptyClass) And IsObject(Nothing) And Not IsObject(4) And Not IsObject(Null), "IsObject"
  T IsDate(CDate(1)) And IsDate(#1/1/2000#) And Not IsDate(Empty) And Not IsDate(4) And Not IsDate("4") And Not IsDate("x") And Not IsDate(Null) And Not IsDate(True), "IsDate"
  T IsEmpty(Empty) And Not IsEmpty(Nothing) And Not IsEmpty(Null) And Not IsEmpty("x"), "IsEmpty"
  T IsNull(Null) And Not IsNull(Empty) And Not IsNull(Nothing), "IsNull"
  T IsNumeric(Empty) And Not IsNumeric(Null) And IsNumeric(32768) And IsNumeric(CSng(3242.4)) And IsNumeric(CCur(32768.4)), "IsNumeric numbers"
  T IsNumeric("44") And Not IsNumeric("rwrf") And Not IsNumeric(Nothing) And Not IsNumeric(New EmptyClass) And IsNumeric(True) And IsNumeric(CByte(32)) And Not IsNumeric(arr), "IsNumeric others"
  Set o = New ValClass
  o.myval = 1
  T IsNumeric(o), "IsNumeric of a default value"
  o.myval = "test"
  T Not IsNumeric(o), "IsNumeric of a text default value"
  T IsArray(arr) And IsArray(Array()) And Not IsArray(Empty) And Not IsArray("44") And Not IsArray(Nothing), "IsArray"
  x = Array("a1", 2, "a3")
  T VarType(x) = 8204 And VarType(x(1)) = 2 And x(2) = "a3" And UBound(x) = 2 And VarType(UBound(x)) = 3, "Array"
  T UBound(arr2) = 2 And UBound(arr2, 2) = 4 And LBound(arr2, 2) = 0, "bounds of 2 dimensions"
  T ErrOf("Call LBound()") = 450 And ErrOf("LBound(Empty)") = 13 And ErrOf("UBound(Null)") = 13 And ErrOf("Call UBound(Array(1), 1, 2)") = 450, "bound errors"
  T Hex(0) = "0" And Hex(16) = "10" And Hex(&hdeadbeef&) = "DEADBEEF" And Hex(-1) = "FFFF" And Hex(-16) = "FFF0", "Hex"
  T Hex(-934859845) = "C8472BBB" And Hex(Empty) = "0" And Hex("17") = "11" And Hex(228.5) = "E4" And Hex(-32767) = "8001", "Hex 2"
  T Hex(-32768) = "FFFF8000" And Hex(2147483647.49) = "7FFFFFFF" And Hex(-2147483647.5) = "80000000" And IsNull(Hex(Null)), "Hex 3"
  o.myval = 30.5
  T Hex(o) = "1E", "Hex of a default value"
  Main = "failed:" & failed & " of " & count
End Function
