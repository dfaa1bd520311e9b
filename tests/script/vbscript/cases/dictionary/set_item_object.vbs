' expect: Dictionary
Function Main()
    Dim d
    Set d = CreateObject("Scripting.Dictionary")
    Set d("o") = CreateObject("Scripting.Dictionary")
    Main = TypeName(d("o"))
End Function
