' expect: True
Function Main()
    Main = IsNull(DateValue(Null))
End Function
