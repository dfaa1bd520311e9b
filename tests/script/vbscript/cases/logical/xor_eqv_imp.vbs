' expect: True False True
Function Main()
Main = (True Xor False) & " " & (True Eqv False) & " " & (False Imp False)
End Function
