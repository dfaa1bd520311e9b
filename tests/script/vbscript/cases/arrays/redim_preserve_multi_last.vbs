' expect: 7
Function Main()
Dim a()
ReDim a(1, 1)
a(1, 1) = 7
ReDim Preserve a(1, 3)
Main = a(1, 1)
End Function
