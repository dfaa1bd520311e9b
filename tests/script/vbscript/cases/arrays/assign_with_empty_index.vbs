' expect-error: 9
' expect-line: 5
Function Main()
Dim a()
a() = 1
End Function
