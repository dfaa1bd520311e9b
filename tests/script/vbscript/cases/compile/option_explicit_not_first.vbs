' expect-compile-error: 1024
' expect-line: 4
Dim x
Option Explicit
Function Main()
End Function
