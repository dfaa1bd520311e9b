' expect: 2.5 Double 2
Function Main()
Main = 5 / 2 & " " & TypeName(4 / 2) & " " & 4 / 2
End Function
