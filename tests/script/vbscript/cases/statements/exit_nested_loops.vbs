' expect: 2 3 done
Function Main()
Dim i, j, r
For i = 1 To 5
  For j = 1 To 5
    If j = 3 Then Exit For
  Next
  If i = 2 Then Exit For
Next
Main = i & " " & j & " done"
End Function
