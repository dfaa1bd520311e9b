' expect: 3 2
Option Explicit
ReDim g(1)
Function Main()
  ReDim a(2)
  Main = UBound(a) + 1 & " " & UBound(g) + 1
End Function
