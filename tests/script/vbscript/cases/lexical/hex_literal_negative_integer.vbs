' expect: -1 Integer
Function Main()
Main = &HFFFF & " " & TypeName(&HFFFF)
End Function
