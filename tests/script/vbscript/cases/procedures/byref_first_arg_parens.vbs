' expect: 1 3
Sub Two(x, y)
  x = x + 1: y = y + 1
End Sub
Function Main()
Dim a, b: a = 1: b = 2
Two (a), b
Main = a & " " & b
End Function
