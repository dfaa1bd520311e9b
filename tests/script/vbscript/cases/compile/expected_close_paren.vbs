' expect-compile-error: 1006
' expect-line: 4
Function Main()
  Main = (1 + 2
End Function
