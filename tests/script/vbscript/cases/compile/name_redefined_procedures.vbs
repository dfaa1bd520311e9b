' expect-compile-error: 1041
' expect-line: 5
Sub S()
End Sub
Sub S()
End Sub
Function Main()
End Function
