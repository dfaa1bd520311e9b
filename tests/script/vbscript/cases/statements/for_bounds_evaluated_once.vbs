' expect: 3
Function Main()
Dim i, n, c
n = 3
For i = 1 To n
  n = 10
  c = c + 1
Next
Main = c
End Function
