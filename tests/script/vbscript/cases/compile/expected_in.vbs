' expect-compile-error: 1046
' expect-line: 5
Function Main()
  Dim x
  For Each x Of Array(1)
  Next
End Function
