' expect: True
Function Main()
    Main = IsNull(Weekday(Null))
End Function
