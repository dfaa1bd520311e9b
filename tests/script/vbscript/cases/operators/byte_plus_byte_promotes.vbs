' expect: 300 Integer
Function Main()
Dim a: a = CByte(200) + CByte(100)
Main = a & " " & TypeName(a)
End Function
