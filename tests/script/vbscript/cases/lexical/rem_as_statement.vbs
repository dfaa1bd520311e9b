' expect: 1
Function Main()
Dim x
x = 1
Rem x = 2
Main = x
End Function
