' expect: -2147221504
Function Main()
    Main = vbObjectError
End Function
