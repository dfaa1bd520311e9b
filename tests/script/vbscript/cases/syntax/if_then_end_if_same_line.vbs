' expect: 1
Function Main()
Dim a
If True Then a = 1 End If
Main = a
End Function
