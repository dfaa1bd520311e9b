' expect: a c
Dim log
Sub Fails()
  log = log & "a"
  Err.Raise 6
  log = log & "b"
End Sub
Function Main()
On Error Resume Next
Fails
log = log & " c"
Main = log
End Function
