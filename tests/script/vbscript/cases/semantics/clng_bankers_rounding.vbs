' expect: 2 4
Function Main()
Main = CLng(2.5) & " " & CLng(3.5)
End Function
