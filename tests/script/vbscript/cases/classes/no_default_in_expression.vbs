' expect-error: 438
Class C
End Class
Function Main()
Dim c: Set c = New C
Main = c + 1
End Function
