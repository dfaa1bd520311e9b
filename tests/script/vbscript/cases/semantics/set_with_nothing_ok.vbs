' expect: Nothing
Function Main()
Dim x
Set x = Nothing
Main = TypeName(x)
End Function
