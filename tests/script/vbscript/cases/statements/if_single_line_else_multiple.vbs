' expect: 5
Function Main()
Dim a
If False Then a = 1 Else a = 2: a = a + 3
Main = a
End Function
