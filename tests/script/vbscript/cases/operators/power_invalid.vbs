' expect-error: 5
Function Main()
Main = (-8) ^ (1 / 3)
End Function
