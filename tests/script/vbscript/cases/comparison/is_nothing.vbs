' expect: True
Function Main()
Dim a
Set a = Nothing
Main = a Is Nothing
End Function
