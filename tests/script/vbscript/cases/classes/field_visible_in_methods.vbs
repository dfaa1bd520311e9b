' expect: 4
Class C
  Dim n
  Sub Inc()
    n = n + 2
  End Sub
  Function Get2()
    Get2 = n
  End Function
End Class
Function Main()
Dim c: Set c = New C
c.Inc: c.Inc
Main = c.Get2()
End Function
