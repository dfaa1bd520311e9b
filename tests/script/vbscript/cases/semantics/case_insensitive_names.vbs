' expect: 3
Function Main()
Dim Value
VALUE = 1
value = value + 2
Main = vAlUe
End Function
