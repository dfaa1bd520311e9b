' expect: True
Function Main()
    Main = IsNull(InStr("abc", Null))
End Function
