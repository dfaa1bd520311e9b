' expect-compile-error: 1024
' expect-line: 4
Function Main()
  Sub Inner()
  End Sub
End Function
