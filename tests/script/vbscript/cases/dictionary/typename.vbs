' expect: Dictionary
Function Main()
    Dim d
    Set d = CreateObject("Scripting.Dictionary")
    Main = TypeName(d)
End Function
