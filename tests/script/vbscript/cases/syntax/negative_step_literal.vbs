' expect: 3
Function Main()
Dim i, c
For i = 3 To 1 Step -1: c = c + 1: Next
Main = c
End Function
