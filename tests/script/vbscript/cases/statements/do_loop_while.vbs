' expect: 1
Function Main()
Dim i
Do
  i = i + 1
Loop While i < 0
Main = i
End Function
