' expect: 2 3
Function Main()
Main = 4.5 \ 2 & " " & 5.5 \ 2
End Function
