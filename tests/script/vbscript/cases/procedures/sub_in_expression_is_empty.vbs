' expect: Empty
Sub S()
End Sub
Function Main()
Main = TypeName(S())
End Function
