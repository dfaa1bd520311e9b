' expect: -4
Function Main()
Main = 6 Eqv 5
End Function
