' expect-compile-error: 1024
' expect-line: 5
Function Main()
  Main = 1
  ) 
End Function
