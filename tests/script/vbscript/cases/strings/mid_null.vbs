' expect: True
Function Main()
    Main = IsNull(Mid(Null, 1))
End Function
