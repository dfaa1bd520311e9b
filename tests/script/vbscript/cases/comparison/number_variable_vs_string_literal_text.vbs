' expect: True
Function Main()
Dim n
n = 9
Main = (n > "10")
End Function
