' expect-compile-error: 1014
' expect-line: 5
If 1 = 1 Then
  x = 1
