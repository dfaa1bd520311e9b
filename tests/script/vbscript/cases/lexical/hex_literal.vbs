' expect: 255
Function Main()
Main = &HFF
End Function
