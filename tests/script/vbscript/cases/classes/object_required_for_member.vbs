' expect-error: 424
Function Main()
Dim x: x = 5
Main = x.Foo
End Function
