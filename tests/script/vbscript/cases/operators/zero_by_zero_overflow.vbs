' expect-error: 6
Function Main()
Main = 0 / 0
End Function
