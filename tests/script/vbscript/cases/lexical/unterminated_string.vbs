' expect-compile-error: 1033
' expect-line: 4
Function Main()
  Main = "abc
End Function
