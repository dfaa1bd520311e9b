' expect: 1 11
Dim g
Sub Inner()
  On Error Resume Next
  Dim a: a = 1 / 0
  g = 1
End Sub
Function Main()
Inner
Main = g & " " & Err.Number
End Function
