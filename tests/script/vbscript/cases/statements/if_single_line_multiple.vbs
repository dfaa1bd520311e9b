' expect: 3
Function Main()
Dim a
If True Then a = 1: a = a + 2
Main = a
End Function
