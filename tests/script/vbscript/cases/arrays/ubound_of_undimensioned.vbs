' expect-error: 9
Function Main()
Dim a()
Main = UBound(a)
End Function
