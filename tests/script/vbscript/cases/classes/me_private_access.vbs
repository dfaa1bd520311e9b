' expect: 7
Class C
  Private p
  Public Function Go()
    Me.SetP 7
    Go = Me.GetP()
  End Function
  Private Sub SetP(v)
    p = v
  End Sub
  Private Function GetP()
    GetP = p
  End Function
End Class
Function Main()
Dim c: Set c = New C
Main = c.Go()
End Function
