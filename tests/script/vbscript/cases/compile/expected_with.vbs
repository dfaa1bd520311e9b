' expect-compile-error: 1029
' expect-line: 5
Function Main()
  With Nothing
  End If
End Function
