' expect: 1
Sub Inc(x)
  x = x + 1
End Sub
Function Main()
Dim a: a = 1
Inc a + 0
Main = a
End Function
