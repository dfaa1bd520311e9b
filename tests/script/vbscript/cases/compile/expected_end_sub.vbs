' expect-compile-error: 1016
' expect-line: 4
Sub S()
End Function
Function Main()
End Function
