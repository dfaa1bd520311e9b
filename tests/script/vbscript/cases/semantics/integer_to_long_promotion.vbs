' expect: Integer Long Double
Function Main()
Dim a: a = 16384
Main = TypeName(a + (a - 1)) & " " & TypeName(a + a) & " " & TypeName(CLng(2147483647) + 1)
End Function
