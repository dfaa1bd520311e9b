' expect: else
Function Main()
If Null Then
 Main = "then"
Else
 Main = "else"
End If
End Function
