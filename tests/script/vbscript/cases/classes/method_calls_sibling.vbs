' expect: 6
Class C
  Function A()
    A = B() * 2
  End Function
  Function B()
    B = 3
  End Function
End Class
Function Main()
Dim c: Set c = New C
Main = c.A()
End Function
