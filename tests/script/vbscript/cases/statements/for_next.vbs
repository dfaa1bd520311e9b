' expect: 15
Function Main()
Dim i, s
For i = 1 To 5
  s = s + i
Next
Main = s
End Function
