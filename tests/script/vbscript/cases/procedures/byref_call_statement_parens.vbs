' expect: 2
Sub Inc(x)
  x = x + 1
End Sub
Function Main()
Dim a: a = 1
Call Inc(a)
Main = a
End Function
