' expect: 9
Sub Change(x)
  x(0) = 9
End Sub
Function Main()
Dim a: a = Array(1, 2)
Change a
Main = a(0)
End Function
