' expect: Empty 5
Function Main()
Dim i, s
For i = 5 To 1
  s = 1
Next
Main = TypeName(s) & " " & i
End Function
