' expect: True
Function Main()
Dim s
s = "10"
Main = (s = 10)
End Function
