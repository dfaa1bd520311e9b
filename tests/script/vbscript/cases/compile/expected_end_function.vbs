' expect-compile-error: 1015
' expect-line: 5
Function Main()
  Main = 1
End Sub
