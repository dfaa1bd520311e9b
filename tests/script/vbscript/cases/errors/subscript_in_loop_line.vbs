' expect-error: 9
' expect-line: 6
Function Main()
Dim a(2), i
For i = 0 To 5
  a(i) = i
Next
End Function
