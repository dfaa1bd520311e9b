' expect: 1
Function Main()
Main = -True
End Function
