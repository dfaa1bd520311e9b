' expect: Single
Function Main()
    Main = TypeName(Timer)
End Function
