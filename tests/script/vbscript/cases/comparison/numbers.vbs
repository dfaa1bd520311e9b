' expect: True False True
Function Main()
Main = (1 < 2) & " " & (2 < 1) & " " & (2 >= 2)
End Function
