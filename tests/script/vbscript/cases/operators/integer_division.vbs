' expect: 3 -3 Integer
Function Main()
Main = 7 \ 2 & " " & -7 \ 2 & " " & TypeName(7 \ 2)
End Function
