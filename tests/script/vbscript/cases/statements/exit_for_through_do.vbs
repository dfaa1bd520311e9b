' expect: 3
Function Main()
Dim i, k
For i = 1 To 10
  Do
    k = k + 1
    If i = 3 Then Exit For
    Exit Do
  Loop
Next
Main = i
End Function
