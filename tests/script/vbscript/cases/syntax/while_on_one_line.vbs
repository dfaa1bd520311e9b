' expect: 4
Function Main()
Dim i: While i < 4: i = i + 1: Wend
Main = i
End Function
