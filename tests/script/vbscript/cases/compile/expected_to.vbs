' expect-compile-error: 1013
' expect-line: 5
Function Main()
  Dim i
  For i = 1 3
  Next
End Function
