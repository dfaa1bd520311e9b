' expect: 1
Function Main()
Dim a(1), b
a(0) = 1
b = a
b(0) = 2
Main = a(0)
End Function
