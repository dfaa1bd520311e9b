' expect-error: 500
' expect-line: 5
Option Explicit
Function Main()
  x = 1
  Main = x
End Function
