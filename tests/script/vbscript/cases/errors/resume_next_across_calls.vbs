' expect: before 11 next
Dim log
Sub Inner()
  Dim a
  log = log & "before "
  a = 1 / 0
  log = log & "never "
End Sub
Function Main()
On Error Resume Next
Inner
log = log & Err.Number & " next"
Main = log
End Function
