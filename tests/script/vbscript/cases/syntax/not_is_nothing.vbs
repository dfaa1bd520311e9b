' expect: True
Function Main()
Dim o: Set o = Nothing
Main = Not o Is Nothing = False
End Function
