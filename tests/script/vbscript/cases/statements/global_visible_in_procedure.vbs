' expect: 2
Dim g
g = 1
Sub Bump()
  g = g + 1
End Sub
Function Main()
  Bump
  Main = g
End Function
