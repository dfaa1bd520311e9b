' expect: 1,2
Function Main()
    Dim d
    Set d = CreateObject("Scripting.Dictionary")
    d.Add "b", 1
    d.Add "a", 2
    Main = Join(d.Items, ",")
End Function
