' expect: 1 2 Empty
Function Main()
Dim a()
ReDim a(1)
a(0) = 1: a(1) = 2
ReDim Preserve a(2)
Main = a(0) & " " & a(1) & " " & TypeName(a(2))
End Function
