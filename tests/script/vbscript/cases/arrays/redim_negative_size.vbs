' expect: 0
Function Main()
Dim a()
ReDim a(-1)
Main = UBound(a) + 1
End Function
