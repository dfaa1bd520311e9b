' expect-error: 11
Function Main()
Main = Eval("1 / 0")
End Function
