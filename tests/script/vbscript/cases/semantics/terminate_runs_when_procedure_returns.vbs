' expect: ret12
Dim log
Class T
  Private Sub Class_Terminate()
    log = log & "1"
  End Sub
End Class
Function Make()
  Dim t: Set t = New T
  log = log & "ret"
End Function
Function Main()
Make
log = log & "2"
Main = log
End Function
