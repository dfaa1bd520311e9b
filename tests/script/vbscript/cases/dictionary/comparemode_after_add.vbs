' expect-error: 5
Function Main()
    Dim d
    Set d = CreateObject("Scripting.Dictionary")
    d.Add "a", 1
    d.CompareMode = 1
End Function
