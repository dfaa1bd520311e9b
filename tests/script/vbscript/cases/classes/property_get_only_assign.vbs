' expect-error: 450
Class C
  Public Property Get P()
    P = 1
  End Property
End Class
Function Main()
Dim c: Set c = New C
c.P = 2
End Function
