' expect: then
Function Main()
On Error Resume Next
Dim r: r = "else"
If 1 / 0 Then
  r = "then"
End If
Main = r
End Function
