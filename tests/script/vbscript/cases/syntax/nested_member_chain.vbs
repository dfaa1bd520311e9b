' expect: 5
Class N
  Public Child, V
End Class
Function Main()
Dim a: Set a = New N
Set a.Child = New N
Set a.Child.Child = New N
a.Child.Child.V = 5
Main = a.Child.Child.V
End Function
