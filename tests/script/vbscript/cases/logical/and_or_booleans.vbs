' expect: False True
Function Main()
Main = (True And False) & " " & (True Or False)
End Function
