' expect-compile-error: 1037
' expect-line: 4
Function Main()
  Set Main = Me
End Function
