' expect: 54321
Function Main()
Dim i, s
For i = 5 To 1 Step -1
  s = s & i
Next
Main = s
End Function
