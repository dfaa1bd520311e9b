' expect: True Variant()
Function Main()
Dim a(1)
Main = IsArray(a) & " " & TypeName(a)
End Function
