' expect: 3
Dim n
Class T
  Sub Class_Terminate()
    n = n + 1
    If n < 3 Then
      Dim t: Set t = New T
    End If
  End Sub
End Class
Function Main()
Dim x: Set x = New T
Set x = Nothing
Main = n
End Function
