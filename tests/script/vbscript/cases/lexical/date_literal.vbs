' expect: 1/2/2020 Date
Function Main()
Main = #1/2/2020# & " " & TypeName(#1/2/2020#)
End Function
