' expect: 15 105
Function Main()
Main = ("10" + 5) & " " & ("10" & 5)
End Function
