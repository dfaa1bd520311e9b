' expect: term
Dim log
Class T
  Sub Class_Terminate()
    log = log & "term"
  End Sub
End Class
Function Main()
Dim x: Set x = New T
x = 5
Main = log
End Function
