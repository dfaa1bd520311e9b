' expect: 13579
Function Main()
Dim i, s
For i = 1 To 10 Step 2
  s = s & i
Next
Main = s
End Function
