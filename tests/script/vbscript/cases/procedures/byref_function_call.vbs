' expect: 2 5
Function Inc(x)
  x = x + 1
  Inc = 5
End Function
Function Main()
Dim a, r: a = 1
r = Inc(a)
Main = a & " " & r
End Function
