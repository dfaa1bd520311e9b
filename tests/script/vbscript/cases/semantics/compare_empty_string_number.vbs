' expect: True
Function Main()
Dim s, n: s = "": n = 5
Main = (s > n)
End Function
