' expect: 31 Double
Function Main()
Dim d: d = #2/1/2020# - #1/1/2020#
Main = d & " " & TypeName(d)
End Function
