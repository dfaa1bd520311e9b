' expect: 1 2
Function Main()
Dim i, j
Do
  i = i + 1
  For j = 1 To 5
    If j = 2 Then Exit Do
  Next
Loop
Main = i & " " & j
End Function
