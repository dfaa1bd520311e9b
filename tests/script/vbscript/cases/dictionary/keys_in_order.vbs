' expect: b,a,c
Function Main()
    Dim d
    Set d = CreateObject("Scripting.Dictionary")
    d.Add "b", 1
    d.Add "a", 2
    d.Add "c", 3
    Main = Join(d.Keys, ",")
End Function
