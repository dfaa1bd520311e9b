' expect: True True
Function Main()
Dim e
Main = (e = 0) & " " & (e < 1)
End Function
