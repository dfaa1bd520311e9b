' expect: TrueFalse
Function Main()
    Dim d
    Set d = CreateObject("Scripting.Dictionary")
    d.Add "a", 1
    Main = d.Exists("a") & d.Exists("z")
End Function
