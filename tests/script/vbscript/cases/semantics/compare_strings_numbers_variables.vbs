' expect: True False
Function Main()
Dim s, n: s = "2": n = 10
Main = (s > n) & " " & (n > s)
End Function
