' expect: True
Function Main()
Dim e
Main = (e = "")
End Function
