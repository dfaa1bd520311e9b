' expect: 8 8
Function Main()
Main = &O10 & " " & &10
End Function
