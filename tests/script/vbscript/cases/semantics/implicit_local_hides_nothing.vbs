' expect: 1 Empty
Sub S()
  z = 1
  g = z
End Sub
Dim g
Function Main()
S
Main = g & " " & TypeName(z)
End Function
