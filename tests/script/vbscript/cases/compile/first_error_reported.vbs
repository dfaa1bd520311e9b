' expect-compile-error: 1025
' expect-line: 5
Function Main()
  Main = 1
  x = 1 2
  y = (
End Function
