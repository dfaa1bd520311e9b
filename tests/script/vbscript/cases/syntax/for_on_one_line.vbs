' expect: 6
Function Main()
Dim i, s: For i = 1 To 3: s = s + i: Next
Main = s
End Function
