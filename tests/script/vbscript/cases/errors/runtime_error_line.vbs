' expect-error: 11
' expect-line: 6
Function Main()
Dim a
a = 1
a = a / 0
End Function
