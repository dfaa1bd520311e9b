' expect: False1
Function Main()
    Dim d
    Set d = CreateObject("Scripting.Dictionary")
    d.Add "a", 1
    d.Key("a") = "z"
    Main = d.Exists("a") & d("z")
End Function
