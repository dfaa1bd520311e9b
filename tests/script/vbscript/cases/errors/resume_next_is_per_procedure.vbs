' expect-error: 11
Sub Inner()
  On Error Resume Next
End Sub
Function Main()
Inner
Dim a: a = 1 / 0
End Function
