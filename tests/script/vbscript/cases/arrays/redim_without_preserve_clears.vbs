' expect: Empty
Function Main()
Dim a()
ReDim a(1)
a(0) = 1
ReDim a(1)
Main = TypeName(a(0))
End Function
