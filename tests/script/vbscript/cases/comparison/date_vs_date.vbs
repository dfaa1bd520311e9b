' expect: True
Function Main()
Main = (#1/1/2020# < #1/2/2020#)
End Function
