' expect-error: 500
' expect-line: 5
Option Explicit
Function Main()
  Main = nope
End Function
