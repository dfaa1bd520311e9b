' expect: in term out
Dim log
Class T
  Sub Class_Terminate()
    log = log & "term "
  End Sub
End Class
Sub UseIt()
  Dim t: Set t = New T
  log = log & "in "
End Sub
Function Main()
UseIt
log = log & "out"
Main = log
End Function
