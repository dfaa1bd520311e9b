' expect-error: 10
Function Main()
Dim a(2)
ReDim a(5)
End Function
