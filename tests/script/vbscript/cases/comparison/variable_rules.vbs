' A string variable compared with a number variable is the greater, even empty.
Dim s, n, blank
s = "2": n = 10: blank = ""
? (s > n) & " " & (n > s) => True False
? blank > n => True
