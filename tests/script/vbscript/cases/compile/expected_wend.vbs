' expect-compile-error: 1018
Function Main()
  While False
    Main = 1
End Function
