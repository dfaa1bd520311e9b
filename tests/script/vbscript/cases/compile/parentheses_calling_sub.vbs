' expect-compile-error: 1044
' expect-line: 6
Sub S(a, b)
End Sub
Function Main()
  S(1, 2)
End Function
