' expect: 30 Byte
Function Main()
Dim a: a = CByte(20) + CByte(10)
Main = a & " " & TypeName(a)
End Function
