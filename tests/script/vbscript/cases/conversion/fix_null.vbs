' expect: True
Function Main()
    Main = IsNull(Fix(Null))
End Function
