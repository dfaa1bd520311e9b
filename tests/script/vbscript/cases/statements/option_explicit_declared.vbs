' expect: 1
Option Explicit
Dim g
Function Main()
  Dim x
  x = 1
  Main = x
End Function
