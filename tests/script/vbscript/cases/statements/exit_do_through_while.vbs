' expect: 4
Function Main()
Dim i
Do
  While True
    i = i + 1
    If i = 4 Then Exit Do
  Wend
Loop
Main = i
End Function
