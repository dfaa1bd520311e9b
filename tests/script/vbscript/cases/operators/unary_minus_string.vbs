' expect: -5 Double
Function Main()
Main = -"5" & " " & TypeName(-"5")
End Function
