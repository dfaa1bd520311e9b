' expect: x
Class C
  Public V
  Sub SetV(a)
    V = a
  End Sub
End Class
Function Main()
Dim c: Set c = New C
Call c.SetV("x")
Main = c.V
End Function
