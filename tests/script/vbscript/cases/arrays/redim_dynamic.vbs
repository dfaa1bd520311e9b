' expect: 5
Function Main()
Dim a()
ReDim a(4)
Main = UBound(a) + 1
End Function
