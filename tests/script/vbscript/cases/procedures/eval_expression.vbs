' expect: 7
Function Main()
Dim x: x = 3
Main = Eval("x + 4")
End Function
