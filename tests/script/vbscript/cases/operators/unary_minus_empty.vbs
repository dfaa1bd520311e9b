' expect: 0 Integer
Function Main()
Dim e
Main = -e & " " & TypeName(-e)
End Function
