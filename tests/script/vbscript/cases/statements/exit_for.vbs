' expect: 3
Function Main()
Dim i
For i = 1 To 10
  If i = 3 Then Exit For
Next
Main = i
End Function
