' expect: 2
Function Main()
Dim a: a = 2: Rem set a
Main = a
End Function
