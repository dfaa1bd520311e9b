' expect-error: 6
Function Main()
Main = CCur(900000000000000) * 100
End Function
