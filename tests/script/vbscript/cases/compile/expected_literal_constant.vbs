' expect-compile-error: 1045
' expect-line: 3
Const A = B
Function Main()
End Function
