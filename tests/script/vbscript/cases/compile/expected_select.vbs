' expect-compile-error: 1022
' expect-line: 6
Function Main()
  Select Case 1
  Case 1
  End If
End Function
