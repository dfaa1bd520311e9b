' expect: 3
Function Main()
Dim a, b, c
a = 1: b = 2: c = a + b
Main = c
End Function
