' expect: DateDateDate
Function Main()
    Main = TypeName(Now) & TypeName(Date) & TypeName(Time)
End Function
