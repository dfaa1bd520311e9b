' expect: Null
Function Main()
Main = TypeName(True Xor Null)
End Function
