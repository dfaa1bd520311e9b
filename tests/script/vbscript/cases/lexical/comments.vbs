' expect: 2
Function Main()
' a comment
Dim a ' trailing
Rem a Rem comment
a = 2 : Rem after colon
Main = a
End Function
