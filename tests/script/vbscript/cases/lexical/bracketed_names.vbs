' expect: 7
Function Main()
Dim [my var]
[my var] = 7
Main = [my var]
End Function
