' expect: 1/3/2020 Date
Function Main()
Dim d: d = #1/2/2020# + 1
Main = d & " " & TypeName(d)
End Function
