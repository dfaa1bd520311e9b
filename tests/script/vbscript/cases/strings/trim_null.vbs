' expect: True
Function Main()
    Main = IsNull(Trim(Null))
End Function
