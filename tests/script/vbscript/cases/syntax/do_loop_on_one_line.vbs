' expect: 3
Function Main()
Dim i: Do: i = i + 1: Loop Until i = 3
Main = i
End Function
