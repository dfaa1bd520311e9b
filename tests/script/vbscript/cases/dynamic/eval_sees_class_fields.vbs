' expect: 5
Class C
  Private v
  Function Go()
    v = 5
    Go = Eval("v")
  End Function
End Class
Function Main()
Dim c: Set c = New C
Main = c.Go()
End Function
