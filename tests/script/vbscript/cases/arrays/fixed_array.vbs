' expect: 3 2
Function Main()
Dim a(2)
a(0) = 1: a(2) = 2
Main = UBound(a) + 1 & " " & a(2)
End Function
