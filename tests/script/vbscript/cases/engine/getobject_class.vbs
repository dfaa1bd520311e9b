' expect: Dictionary
Function Main()
    Main = TypeName(GetObject("", "Scripting.Dictionary"))
End Function
