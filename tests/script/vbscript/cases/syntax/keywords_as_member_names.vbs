' expect: 1 2
Class C
  Public [Step], [Error]
End Class
Function Main()
Dim c: Set c = New C
c.Step = 1: c.Error = 2
Main = c.Step & " " & c.Error
End Function
