' expect: 11
Class C
  Public V
  Public Function Self()
    Set Self = Me
  End Function
  Public Sub Bump()
    Me.V = Me.V + 1
  End Sub
End Class
Function Main()
Dim c: Set c = New C
c.V = 10
c.Self().Bump
Main = c.V
End Function
