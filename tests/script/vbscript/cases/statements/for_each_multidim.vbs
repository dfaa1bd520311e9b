' expect: 4
Function Main()
Dim a(1, 1), x, c
For Each x In a
  c = c + 1
Next
Main = c
End Function
