' expect: ok
Class T
  Sub Class_Terminate()
    Err.Raise 5
  End Sub
End Class
Function Main()
Dim x: Set x = New T
Set x = Nothing
Main = "ok"
End Function
