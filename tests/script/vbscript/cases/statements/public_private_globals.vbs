' expect: 3
Public a
Private b
a = 1: b = 2
Function Main()
Main = a + b
End Function
