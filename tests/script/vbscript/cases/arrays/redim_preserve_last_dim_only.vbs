' expect-error: 9
Function Main()
Dim a()
ReDim a(1, 1)
ReDim Preserve a(2, 1)
End Function
