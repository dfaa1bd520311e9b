' The line a runtime error is reported at: in global code, in a loop, in a
' called procedure, a class method and Initialize, and an undeclared name
' under Option Explicit.
' case: global code
' expect-error: 11
' expect-line: 7
x = 1 / 0
Function Main()
End Function
' case: loop
' expect-error: 9
' expect-line: 16
Function Main()
  Dim a(2), i
  For i = 0 To 5
    a(i) = i
  Next
End Function
' case: called procedure
' expect-error: 9
' expect-line: 24
Sub Bad()
  Dim a(1)
  a(5) = 1
End Sub
Function Main()
  Bad
End Function
' case: class method
' expect-error: 1001
' expect-line: 34
Class C
  Sub Go()
    Err.Raise 1001, "C", "bad"
  End Sub
End Class
Function Main()
  Dim c: Set c = New C
  c.Go
End Function
' case: option explicit
' expect-error: 500
' expect-line: 49
Option Explicit
Dim g
Function Main()
  Dim x
  x = 1: g = x
  Main = nope
End Function
' case: class initialize
' expect-error: 11
' expect-line: 56
Class T
  Sub Class_Initialize()
    Dim a: a = 1 / 0
  End Sub
End Class
Function Main()
  Dim x: Set x = New T
End Function
