' expect: init term after
Dim log
Class T
  Sub Class_Initialize()
    log = log & "init "
  End Sub
  Sub Class_Terminate()
    log = log & "term "
  End Sub
End Class
Function Main()
Dim t: Set t = New T
Set t = Nothing
log = log & "after"
Main = log
End Function
