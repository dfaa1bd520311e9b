' expect-error: 11
Function Main()
Main = 1 / 0
End Function
