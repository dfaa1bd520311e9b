' expect: ab a
Function Main()
Dim s, t
s = "a"
t = s
s = s & "b"
Main = s & " " & t
End Function
