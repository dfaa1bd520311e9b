' expect-error: 424
Function Main()
Dim o: Set o = Nothing
Main = o.Foo
End Function
