' uses: table.inc
' Eval, Execute, ExecuteGlobal and GetRef: the scope the code runs in, and the
' errors it raises.
ExecuteGlobal "Class K: Public Function Hi(): Hi = ""made"": End Function: End Class"
ExecuteGlobal "Function G() : G = ""hi"" : End Function"
Dim worked
Class C
  Private v
  Function Go()
    v = 5
    Go = Eval("v")
  End Function
End Class
Function Recurse()
  Recurse = Eval("Recurse()")
End Function
Function Locals(p)
  Dim q, x, a
  q = 2
  Execute "x = 9"
  Execute "a = 1" & Chr(13) & Chr(10) & "a = a + 2"
  Locals = Eval("p * q") & " " & x & " " & a & " " & Eval("q = 2")
End Function
Sub DefineShared()
  ExecuteGlobal "Dim shared: shared = 4"
End Sub
Function ExecuteError()
  On Error Resume Next
  Execute "x = 1 / 0"
  ExecuteError = Err.Number
End Function
Function Sq(x)
  Sq = x * x
End Function
Function Apply(fn, v)
  Apply = fn(v)
End Function
Sub Work(a)
  worked = a
End Sub
Function CallSub()
  Dim f: Set f = GetRef("Work")
  f "done"
  CallSub = worked
End Function
? (New C).Go() => 5
? Locals(6) => 12 9 3 True
? Eval("1 / 0") => err11
? Eval("1 2") => err1025
? Recurse() => err28
? ExecuteError() => 11
? (New K).Hi() & " " & G() => made hi
? Stmt("DefineShared") & " " & Eval("shared") => 0 4
? Apply(GetRef("Sq"), 2) => 4
? CallSub() => done
? Stmt("Set f = GetRef(""Nope"")") => 5
