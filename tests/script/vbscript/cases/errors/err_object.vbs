' uses: table.inc
' Err after runtime errors and Raise, On Error Resume Next across calls, and
' the errors of common mistakes.
Dim log
Class C
  Public V
End Class
Function DivErr()
  Dim a
  On Error Resume Next
  a = 1
  DivErr = Err.Number & "|"
  a = 1 / 0
  DivErr = DivErr & Err.Number & "|" & Err.Description & "|" & Err.Source & "|"
  Err.Clear
  DivErr = DivErr & Err.Number & "|"
  a = 1 / 0
  On Error Resume Next
  DivErr = DivErr & Err.Number & " after"
End Function
Function Raised(n)
  On Error Resume Next
  Err.Raise n
  Raised = Err.Number & " " & Err.Description
End Function
Sub Fail(n)
  Err.Raise n, "src", "boom"
End Sub
Function SetNumber()
  Err.Number = 77
  SetNumber = Err.Number
  Err.Clear
End Function
Function GotoZero()
  Dim a
  On Error Resume Next
  On Error GoTo 0
  a = 1 / 0
End Function
Function InsideWith()
  Dim c: Set c = New C
  On Error Resume Next
  With c
    .Nope = 1
    .V = Err.Number
  End With
  InsideWith = c.V & " after"
End Function
Sub Inner()
  Dim a
  log = log & "before "
  a = 1 / 0
  log = log & "never "
End Sub
Function AcrossCalls()
  log = ""
  On Error Resume Next
  Inner
  AcrossCalls = log & Err.Number & " next"
End Function
Sub Contained()
  On Error Resume Next
  Dim a: a = 1 / 0
  log = "contained"
End Sub
Function CalleeContains()
  Contained
  CalleeContains = log & " " & Err.Number
End Function
Sub ResumeNext()
  On Error Resume Next
End Sub
Function PerProcedure()
  Dim a
  ResumeNext
  a = 1 / 0
End Function
Function OutOfMemory()
  Dim s: s = "x"
  Do
    s = s & s
  Loop
End Function
? DivErr() => 0|11|Division by zero|VBScript runtime error|0|0 after
? Raised(13) => 13 Type mismatch
? Raised(31999) => 31999 Unknown runtime error
? Raised(&H80040001) => -2147221503 Unknown runtime error
? Fail(5000) => err5000
? Fail(0) => err5
? SetNumber() => 77
? GotoZero() => err11
? InsideWith() => 438 after
? AcrossCalls() => before 11 next
? CalleeContains() => contained 11
? PerProcedure() => err11
? OutOfMemory() => err7
? CreateObject("No.Such.Thing") => err429
? Raised(CInt("x")) => err13
? CStr(Null) => err94
? Stmt("Set o = Nothing: x = o") => 91
? Len(1, 2) => err450
