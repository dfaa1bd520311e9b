' expect-compile-error: 1021
' expect-line: 4
Function Main()
  Select 1
  End Select
End Function
