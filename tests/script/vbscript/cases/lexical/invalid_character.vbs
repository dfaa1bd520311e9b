' expect-compile-error: 1032
' expect-line: 4
Function Main()
  Main = 1 $ 2
End Function
