' expect: -2
Function Main()
Main = 1 Imp 0
End Function
