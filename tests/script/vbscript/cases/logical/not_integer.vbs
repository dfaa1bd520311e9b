' expect: -6 Integer
Function Main()
Main = (Not 5) & " " & TypeName(Not 5)
End Function
