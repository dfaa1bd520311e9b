' expect-error: 1001
' expect-line: 5
Class C
  Sub Go()
    Err.Raise 1001, "C", "bad"
  End Sub
End Class
Function Main()
Dim c: Set c = New C
c.Go
End Function
