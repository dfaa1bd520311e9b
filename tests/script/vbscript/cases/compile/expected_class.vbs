' expect-compile-error: 1047
' expect-line: 5
Class C
  Dim x
End Sub
Function Main()
End Function
