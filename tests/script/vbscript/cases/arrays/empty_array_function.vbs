' expect: -1
Function Main()
Main = UBound(Array())
End Function
