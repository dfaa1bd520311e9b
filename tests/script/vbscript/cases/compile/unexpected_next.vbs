' expect-compile-error: 1055
' expect-line: 4
Function Main()
  Next
End Function
