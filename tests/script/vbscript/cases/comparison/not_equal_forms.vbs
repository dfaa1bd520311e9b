' expect: True True
Function Main()
Main = (1 <> 2) & " " & (1 >< 2)
End Function
