' expect: 2
Dim g
Sub Inc(x)
  x = x + 1
End Sub
Function Main()
g = 1
Inc g
Main = g
End Function
