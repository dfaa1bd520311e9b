' expect-compile-error: 1041
' expect-line: 5
Function Main()
  Dim a
  Dim a
End Function
