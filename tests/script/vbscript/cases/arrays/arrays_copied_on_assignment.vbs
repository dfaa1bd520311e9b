' expect: 1 9
Function Main()
Dim a, b
a = Array(1, 2)
b = a
b(0) = 9
Main = a(0) & " " & b(0)
End Function
