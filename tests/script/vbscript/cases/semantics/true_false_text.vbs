' expect: True False
Function Main()
Main = True & " " & False
End Function
