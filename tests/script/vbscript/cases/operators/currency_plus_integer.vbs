' expect: Currency 3.5
Function Main()
Dim c: c = CCur(1.5) + 2
Main = TypeName(c) & " " & c
End Function
