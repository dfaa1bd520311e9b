' expect-compile-error: 1017
' expect-line: 4
Function Main()
If True Main = 1
End Function
