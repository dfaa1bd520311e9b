' expect-compile-error: 1028
' expect-line: 4
Function Main()
  Do Forever
  Loop
End Function
