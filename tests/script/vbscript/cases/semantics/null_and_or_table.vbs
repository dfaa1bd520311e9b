' expect: False Null True Null
Function Main()
Main = (Null And False) & " " & TypeName(Null And True) & " " & (Null Or True) & " " & TypeName(Null Or False)
End Function
