' expect: a term b
Dim log
Class T
  Sub Class_Terminate()
    log = log & "term"
  End Sub
End Class
Function Main()
Dim x, y: Set x = New T: Set y = x
Set x = Nothing
log = log & "a "
Set y = Nothing
log = log & " b"
Main = log
End Function
