' expect: größe ✓
Function Main()
Dim größe
größe = "größe ✓"
Main = größe
End Function
