' expect: -1 Integer
Function Main()
Dim a: a = CByte(1) - CByte(2)
Main = a & " " & TypeName(a)
End Function
