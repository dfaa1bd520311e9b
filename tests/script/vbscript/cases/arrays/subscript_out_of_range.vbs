' expect-error: 9
Function Main()
Dim a(2)
Main = a(3)
End Function
