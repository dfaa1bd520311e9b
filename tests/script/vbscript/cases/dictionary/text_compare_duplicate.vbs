' expect-error: 457
Function Main()
    Dim d
    Set d = CreateObject("Scripting.Dictionary")
    d.CompareMode = 1
    d.Add "a", 1
    d.Add "A", 2
End Function
