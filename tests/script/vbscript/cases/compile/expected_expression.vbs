' expect-compile-error: 1023
' expect-line: 4
Function Main()
  Main = 1 +
End Function
