' expect-compile-error: 1020
Function Main()
  Dim i
  For i = 1 To 3
    Main = i
End Function
