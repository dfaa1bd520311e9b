' expect: -2 Integer
Function Main()
Dim a: a = True + True
Main = a & " " & TypeName(a)
End Function
