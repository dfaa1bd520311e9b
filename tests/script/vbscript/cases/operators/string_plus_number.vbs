' expect: 15 Double
Function Main()
Dim a: a = "10" + 5
Main = a & " " & TypeName(a)
End Function
