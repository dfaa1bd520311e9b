' expect-compile-error: 1010
' expect-line: 4
Function Main()
Call 5
End Function
