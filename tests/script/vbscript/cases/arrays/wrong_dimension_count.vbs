' expect-error: 9
Function Main()
Dim a(2, 2)
Main = a(1)
End Function
