' expect: early
Function Main()
Main = "early"
Exit Function
Main = "late"
End Function
