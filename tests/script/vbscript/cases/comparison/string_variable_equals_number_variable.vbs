' expect: False
Function Main()
Dim s, n
s = "10": n = 10
Main = (s = n)
End Function
