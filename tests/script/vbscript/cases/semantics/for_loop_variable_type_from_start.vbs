' expect: Integer Double
Function Main()
Dim i, j
For i = 1 To 2: Next
For j = 1.5 To 2: Next
Main = TypeName(i) & " " & TypeName(j)
End Function
