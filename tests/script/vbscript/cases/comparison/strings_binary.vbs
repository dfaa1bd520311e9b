' expect: True True
Function Main()
Main = ("a" < "b") & " " & ("B" < "a")
End Function
