' expect: 1 2
Sub Inc(x)
  x = x + 1
End Sub
Function Main()
Dim a, b: a = 1: b = 1
Inc (a)
Inc b
Main = a & " " & b
End Function
