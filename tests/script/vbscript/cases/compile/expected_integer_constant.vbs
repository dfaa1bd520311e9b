' expect-compile-error: 1026
' expect-line: 5
Function Main()
  Dim n: n = 3
  Dim a(n)
End Function
