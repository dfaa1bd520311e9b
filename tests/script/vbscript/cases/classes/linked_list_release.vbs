' expect: 100000
Class Node
  Public Nxt, V
End Class
Function Main()
Dim head, n, i
Set head = Nothing
For i = 1 To 100000
  Set n = New Node
  n.V = i
  Set n.Nxt = head
  Set head = n
Next
Main = head.V
Set n = Nothing
Set head = Nothing
End Function
