' expect: 105
Function Main()
Dim a, b: a = "10": b = "5"
Main = a + b
End Function
