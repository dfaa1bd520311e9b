' expect: 1,2,3,
Function Main()
Dim i, j, s
For i = 1 To 3
  For j = 1 To 3
    If j = 2 Then Exit For
  Next
  s = s & i & ","
Next
Main = s
End Function
