' expect: 5
Function Main()
Dim a: a = Array(Array(1, 5), 2)
Main = a(0)(1)
End Function
