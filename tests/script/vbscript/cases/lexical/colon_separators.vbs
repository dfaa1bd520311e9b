' expect: 3
Function Main()
Dim a: a = 1: a = a + 2: Main = a
End Function
