' expect-error: 13
Function Main()
Dim x: x = 5
Main = x(1)
End Function
