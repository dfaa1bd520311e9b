' uses: table.inc
' Err.Raise: the numbers it takes and what it leaves in Err's fields, and Asc,
' as an expression table (CStr of the value, "Null", or "err" and the error
' number).
Function ErrText()
  ErrText = Err.Number & "|" & Err.Source & "|" & Err.Description & "|" & Err.HelpFile & "|" & Err.HelpContext
End Function
' ErrText with the source of the engine's own runtime errors shown as <rt>.
Function Fields()
  Dim t, x
  t = ErrText()
  On Error Resume Next
  x = 1 / 0
  Fields = Replace(t, Err.Source, "<rt>")
  Err.Clear
End Function
Function RaiseNumber(n)
  On Error Resume Next
  Err.Raise n
  RaiseNumber = Err.Number
  Err.Clear
End Function
Function Cleared()
  On Error Resume Next
  Err.Raise 1, "abc"
  Err.Clear
  Cleared = ErrText() & " " & TypeName(Err.Source) & TypeName(Err.Description) & TypeName(Err.HelpFile) & TypeName(Err.HelpContext)
End Function
Function AllFields()
  On Error Resume Next
  Err.Raise 1, 2, "desc", "hf", 1
  AllFields = ErrText() & " " & TypeName(Err.Source) & TypeName(Err.HelpContext)
  Err.Clear
End Function
Function SourceOnly()
  On Error Resume Next
  Err.Raise 1, "abc"
  SourceOnly = ErrText()
  Err.Clear
End Function
Function KeepsFields()
  On Error Resume Next
  Err.Raise 1, 2, "desc", "hf", 1
  Err.Raise 5
  KeepsFields = ErrText()
  Err.Clear
End Function
Function SystemCode()
  On Error Resume Next
  Err.Raise &h8007000E&
  SystemCode = Fields()
End Function
Function SystemCodeKeeps()
  On Error Resume Next
  Err.Raise 1, "test"
  Err.Raise &h8007000E&
  SystemCodeKeeps = Fields()
End Function
Function EngineErrorReplaces()
  Dim e
  On Error Resume Next
  Err.Raise 1, 2, "desc", "hf", 1
  Err.UnknownIdent
  e = Err
  EngineErrorReplaces = Fields() & " " & TypeName(e) & " " & e
End Function
Function GotoZeroClears()
  Dim e
  On Error Resume Next
  Err.Raise 1, 2, "desc", "hf", 1
  On Error GoTo 0
  e = Err
  GotoZeroClears = ErrText() & " " & TypeName(e) & " " & e
End Function
? RaiseNumber(0) => 5
? RaiseNumber(1) => 1
? Stmt("Err.Raise") => 450
? RaiseNumber(&h8000) => -32768
? RaiseNumber(&hffff) => -1
? RaiseNumber(&h10000&) => 5
? RaiseNumber(-3000000000) => 6
? RaiseNumber(-1) => -1
? RaiseNumber(-20) => -20
? RaiseNumber(-&hfff0) => 16
? RaiseNumber(-&h8000) => 32768
? Cleared() => 0||||0 StringStringStringLong
? SourceOnly() => 1|abc|Unknown runtime error||0
? AllFields() => 1|2|desc|hf|1 StringLong
? KeepsFields() => 5|2|desc|hf|1
? SystemCode() => 7|<rt>|Out of memory||0
? SystemCodeKeeps() => 7|test|Unknown runtime error||0
? EngineErrorReplaces() => 438|<rt>|Object doesn't support this property or method||0 Long 438
? GotoZeroClears() => 0||||0 Long 0
? Asc("T") => 84
? Asc("test") => 116
? Asc("3") => 51
? Asc(3) => 51
? Asc("   ") => 32
? Asc(Chr(255)) => 255
? Asc(Chr(0)) => 0
? Asc(True) => 84
? TypeName(Asc(3)) => Integer
? Asc(Empty) => err5
? Stmt("Call Asc()") => 450
