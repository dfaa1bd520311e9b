' expect: 3
Class C
  Public a(2)
End Class
Function Main()
Dim c: Set c = New C
c.a(1) = 3
Main = c.a(1)
End Function
