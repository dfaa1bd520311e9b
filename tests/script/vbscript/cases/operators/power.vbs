' expect: 8 Double 0.5
Function Main()
Main = 2 ^ 3 & " " & TypeName(2 ^ 3) & " " & 2 ^ -1
End Function
