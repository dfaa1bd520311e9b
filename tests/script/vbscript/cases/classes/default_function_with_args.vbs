' expect: 9
Class C
  Public Default Function Item(i)
    Item = i * 3
  End Function
End Class
Function Main()
Dim c: Set c = New C
Main = c(3)
End Function
