' expect: 0 2 2 4 -2
Function Main()
Main = CInt(0.5) & " " & CInt(1.5) & " " & CInt(2.5) & " " & CInt(3.5) & " " & CInt(-2.5)
End Function
