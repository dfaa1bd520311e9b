' expect-error: 9
' expect-line: 5
Function Main()
Dim a()
Main = a(0)
End Function
