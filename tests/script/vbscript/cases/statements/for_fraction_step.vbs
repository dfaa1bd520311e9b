' expect: 0;0.5;1;1.5;2;
Function Main()
Dim i, s
For i = 0 To 2 Step 0.5
  s = s & i & ";"
Next
Main = s
End Function
