' expect: v1
Class C
  Public Default Property Get Value()
    Value = "v1"
  End Property
End Class
Function Main()
Dim c: Set c = New C
Main = c & ""
End Function
