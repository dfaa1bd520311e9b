' expect: 5 after
Class C
  Public V
End Class
Function Main()
On Error Resume Next
Dim c, r: Set c = New C
With c
  .Nope = 1
  r = Err.Number
  .V = 5
End With
Main = c.V & " after"
End Function
