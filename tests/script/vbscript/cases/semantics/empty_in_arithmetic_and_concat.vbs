' expect: 5 x
Function Main()
Dim e
Main = (e + 5) & " " & (e & "x")
End Function
