' expect: True1
Function Main()
    Dim d
    Set d = CreateObject("Scripting.Dictionary")
    d.CompareMode = vbTextCompare
    d.Add "a", 1
    Main = d.Exists("A") & d("A")
End Function
