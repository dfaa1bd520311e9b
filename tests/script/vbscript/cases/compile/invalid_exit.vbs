' expect-compile-error: 1039
' expect-line: 4
Function Main()
  Exit Do
End Function
