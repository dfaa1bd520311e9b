' expect: 12
Dim log
Class T
  Private Sub Class_Terminate()
    log = log & "1"
  End Sub
End Class
Function Main()
Dim t: Set t = New T
Set t = Nothing
log = log & "2"
Main = log
End Function
