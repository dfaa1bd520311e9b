' expect: done
Dim g
Sub S()
  g = "done"
End Sub
Function Main()
S()
Main = g
End Function
