' expect-compile-error: 1038
' expect-line: 4
Function Main()
  Loop
End Function
