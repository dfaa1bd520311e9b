' expect: 105 String
Function Main()
Dim a: a = "10" & 5
Main = a & " " & TypeName(a)
End Function
