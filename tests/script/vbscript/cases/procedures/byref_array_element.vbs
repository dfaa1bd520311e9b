' expect: 2
Sub Inc(x)
  x = x + 1
End Sub
Function Main()
Dim a(1): a(0) = 1
Inc a(0)
Main = a(0)
End Function
