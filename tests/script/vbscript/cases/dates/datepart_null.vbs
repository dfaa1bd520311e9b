' expect: True
Function Main()
    Main = IsNull(DatePart("d", Null))
End Function
