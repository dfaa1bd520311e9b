' expect-error: 9
Function Main()
Dim a()
ReDim a(3)
Erase a
Main = UBound(a)
End Function
