' expect: 4
Function Main()
Dim i
For i = 1 To 3
Next
Main = i
End Function
