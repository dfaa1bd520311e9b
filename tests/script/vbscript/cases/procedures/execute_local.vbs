' expect: 10
Function Main()
Dim x
Execute "x = 10"
Main = x
End Function
