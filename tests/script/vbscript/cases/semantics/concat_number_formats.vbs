' expect: 0.1 1E+20 -0.5
Function Main()
Main = 0.1 & " " & 1E20 & " " & -0.5
End Function
