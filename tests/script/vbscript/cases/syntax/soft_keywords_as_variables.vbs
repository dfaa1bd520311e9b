' expect: 6
Function Main()
Dim step, explicit, preserve
step = 1: explicit = 2: preserve = 3
Main = step + explicit + preserve
End Function
