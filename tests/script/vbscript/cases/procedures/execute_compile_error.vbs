' expect-error: 1002
Function Main()
Execute "On Error Foo"
End Function
