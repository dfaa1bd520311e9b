' expect: True Null True
Function Main()
Main = (False Imp Null) & " " & TypeName(True Imp Null) & " " & (Null Imp True)
End Function
