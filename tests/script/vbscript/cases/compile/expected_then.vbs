' expect-compile-error: 1017
' expect-line: 4
Function Main()
  If 1 = 1
  End If
End Function
