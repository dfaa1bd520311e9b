' expect-error: 94
Function Main()
Main = CStr(Null)
End Function
