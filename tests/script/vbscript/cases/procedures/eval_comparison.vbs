' expect: True
Function Main()
Dim x: x = 5
Main = Eval("x = 5")
End Function
