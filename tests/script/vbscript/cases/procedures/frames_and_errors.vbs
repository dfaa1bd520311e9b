' A call's frame when an error leaves it: what ByRef arguments keep, when
' its objects go, and frames reused after that; Execute and Eval in frames.
Dim log
Class Tracker
  Public Name
  Private Sub Class_Terminate()
    log = log & "~" & Name
  End Sub
End Class
Sub SetAndFail(x)
  x = 9
  Err.Raise 5
End Sub
Function Add1(v)
  v = v + 1
  Add1 = v
End Function
Function FailWith(n)
  Dim t: Set t = New Tracker: t.Name = n
  FailWith = n
  If n > 0 Then FailWith = FailWith(n - 1) Else Err.Raise 6
End Function
Function Exec(a)
  Dim l
  Execute "a = a + 1: l = 7"
  Exec = a & l
End Function
Function Ev(n)
  If n = 0 Then Ev = Eval("n") Else Ev = Eval("n") & Ev(n - 1)
End Function
Function ElementFails()
  Dim a(2): On Error Resume Next
  SetAndFail a(1)
  ElementFails = a(1) & " " & Err.Number
End Function
Function ThenReused()
  Dim x, y: x = 1: y = 5: On Error Resume Next
  SetAndFail x
  y = FailWith(0)
  ThenReused = x & " " & y & " " & Add1(x) & Add1(5) & Add1(x) & x
End Function
Function Unwound()
  Dim x: x = 4: log = "": On Error Resume Next
  x = FailWith(2)
  Unwound = log & " " & Err.Number & " " & x
End Function
Function PassOn(a, k)
  If k Then SetAndFail a(1) Else PassOn = Len(a(0))
End Function
' The error leaves PassOn while its argument register points into a(): the
' frame's next call must not write through it.
Function NotThroughStale()
  Dim a(2), b(2): On Error Resume Next
  PassOn a, True
  b(0) = "xy"
  NotThroughStale = PassOn(b, False) & " " & a(1)
End Function
Function Named(n)
  Set Named = New Tracker: Named.Name = n
End Function
Function Pair(a, b)
  Pair = 0
End Function
' A statement that fails lets go of what its temporaries held at once.
Function TempsGo()
  Dim x: log = "": On Error Resume Next
  x = Pair(Named("q"), FailWith(0))
  TempsGo = log & " " & Err.Number
End Function
? ElementFails() => 9 5
? ThenReused() => 9 5 1061111
? Unwound() => ~0~1~2 6 4
? NotThroughStale() => 2 9
? TempsGo() => ~0~q 6
? Exec(1) & " " & Ev(3) => 27 3210
