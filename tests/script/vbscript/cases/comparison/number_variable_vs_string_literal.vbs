' expect: True
Function Main()
Dim n
n = 10
Main = (n = "10")
End Function
