' expect: 3 4 12
Function Main()
Dim a(2, 3)
a(2, 3) = 12
Main = UBound(a, 1) + 1 & " " & UBound(a, 2) + 1 & " " & a(2, 3)
End Function
