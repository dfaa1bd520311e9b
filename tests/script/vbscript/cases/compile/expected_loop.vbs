' expect-compile-error: 1019
Function Main()
  Do
    Main = 1
End Function
