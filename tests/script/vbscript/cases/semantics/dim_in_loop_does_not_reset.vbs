' expect: 3
Function Main()
Dim i
For i = 1 To 3
  Dim c
  c = c + 1
Next
Main = c
End Function
