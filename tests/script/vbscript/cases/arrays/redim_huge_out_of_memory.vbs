' expect-error: 7
Function Main()
Dim a()
ReDim a(1E9)
End Function
