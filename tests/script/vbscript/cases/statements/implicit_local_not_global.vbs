' expect: Empty
Sub S()
  y = 5
End Sub
Function Main()
  S
  Main = TypeName(y)
End Function
