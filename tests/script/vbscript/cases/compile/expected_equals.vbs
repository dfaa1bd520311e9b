' expect-compile-error: 1011
' expect-line: 5
Function Main()
  Dim i
  For i 1 To 2
  Next
End Function
