' expect-error: 70
Function Main()
    MsgBox "hello"
End Function
