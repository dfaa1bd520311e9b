' expect: 5
Function Main()
Dim i
Do Until i = 5
  i = i + 1
Loop
Main = i
End Function
