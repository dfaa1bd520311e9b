' expect: Integer Long Double
Function Main()
Main = TypeName(32767) & " " & TypeName(32768) & " " & TypeName(2147483648)
End Function
