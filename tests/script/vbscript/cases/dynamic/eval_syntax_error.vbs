' expect-error: 1025
Function Main()
Main = Eval("1 2")
End Function
