' expect-compile-error: 1031
' expect-line: 4
Function Main()
  Main = &HZZ
End Function
