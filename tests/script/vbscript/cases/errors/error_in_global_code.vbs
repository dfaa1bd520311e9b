' expect-error: 11
' expect-line: 4
Dim x
x = 1 / 0
Function Main()
End Function
