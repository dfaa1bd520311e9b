' expect: True
Function Main()
    Main = CDbl(Date) = Int(CDbl(Date))
End Function
