' expect: Long
Function Main()
Dim i
For i = 32760 To 32770
Next
Main = TypeName(i)
End Function
