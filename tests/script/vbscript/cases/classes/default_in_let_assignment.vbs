' expect: v
Class C
  Public Default Property Get V()
    V = "v"
  End Property
End Class
Function Main()
Dim c, s: Set c = New C
s = c
Main = s
End Function
