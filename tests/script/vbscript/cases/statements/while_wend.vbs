' expect: 10
Function Main()
Dim i
While i < 10
  i = i + 1
Wend
Main = i
End Function
