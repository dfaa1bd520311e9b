' expect: True
Function Main()
Dim s, n
s = "100": n = 1000
Main = s > n
End Function
