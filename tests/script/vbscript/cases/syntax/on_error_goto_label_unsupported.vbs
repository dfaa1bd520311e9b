' expect-compile-error: 1002
' expect-line: 4
Function Main()
On Error GoTo Handler
End Function
