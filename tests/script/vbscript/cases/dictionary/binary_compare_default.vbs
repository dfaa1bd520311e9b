' expect: False0
Function Main()
    Dim d
    Set d = CreateObject("Scripting.Dictionary")
    d.Add "a", 1
    Main = d.Exists("A") & d.CompareMode
End Function
