' expect: ab
Function Main()
Main = "a" & Null & "b"
End Function
