' expect: 6
Dim t
Sub Add(a, b)
  t = a + b
End Sub
Function Main()
Call Add(2, 4)
Main = t
End Function
