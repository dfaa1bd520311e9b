' expect: 1b
Function Main()
    Dim d
    Set d = CreateObject("Scripting.Dictionary")
    d.Add "a", 1
    d.Add "b", 2
    d.Remove "a"
    Main = d.Count & Join(d.Keys, ",")
End Function
