' expect: 65536 Long
Function Main()
Main = &H10000 & " " & TypeName(&H10000)
End Function
