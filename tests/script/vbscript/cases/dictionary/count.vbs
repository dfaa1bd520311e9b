' expect: 2
Function Main()
    Dim d
    Set d = CreateObject("Scripting.Dictionary")
    d.Add "a", 1
    d.Add "b", 2
    Main = d.Count
End Function
