' expect: 7
Function Add(a, b)
  Add = a + b
End Function
Function Main()
Dim f
Set f = GetRef("Add")
Main = f(3, 4)
End Function
