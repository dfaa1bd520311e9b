' expect: 0.5 1500 Double
Function Main()
Main = .5 & " " & 1.5E3 & " " & TypeName(1.5)
End Function
