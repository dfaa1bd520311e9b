' expect: 3.14 hi
Const PI = 3.14, S = "hi"
Function Main()
Main = PI & " " & S
End Function
