' expect: 1
Function Inc(x)
  x = x + 1
End Function
Function Main()
Dim a: a = 1
Call Inc((a))
Main = a
End Function
