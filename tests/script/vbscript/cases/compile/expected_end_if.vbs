' expect-compile-error: 1012
' expect-line: 6
Function Main()
  If 1 = 1 Then
    Main = 1
End Function
