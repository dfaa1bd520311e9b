' expect: 12
Class C
  Private d(3)
  Public Property Get Item(i)
    Item = d(i)
  End Property
  Public Property Let Item(i, v)
    d(i) = v
  End Property
End Class
Function Main()
Dim c: Set c = New C
c.Item(2) = 12
Main = c.Item(2)
End Function
