' expect-error: 9
' expect-line: 5
Sub Bad()
  Dim a(1)
  a(5) = 1
End Sub
Function Main()
Bad
End Function
