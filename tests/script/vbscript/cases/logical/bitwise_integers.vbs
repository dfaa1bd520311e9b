' expect: 4 7 3
Function Main()
Main = (6 And 5) & " " & (6 Or 5) & " " & (6 Xor 5)
End Function
