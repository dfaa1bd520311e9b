' expect: 2
Function Main()
Dim a(3)
a(2) = 2
Main = a(1.5)
End Function
