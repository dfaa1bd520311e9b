' expect: 1
Dim g
Sub S()
  g = 1
  Exit Sub
  g = 2
End Sub
Function Main()
S
Main = g
End Function
