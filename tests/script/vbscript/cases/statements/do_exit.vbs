' expect: 7
Function Main()
Dim i
Do
  i = i + 1
  If i = 7 Then Exit Do
Loop
Main = i
End Function
