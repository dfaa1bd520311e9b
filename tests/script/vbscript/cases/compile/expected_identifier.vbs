' expect-compile-error: 1010
' expect-line: 4
Function Main()
  Dim 5
End Function
