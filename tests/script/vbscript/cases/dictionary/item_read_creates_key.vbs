' expect: 1TrueTrue
Function Main()
    Dim d
    Set d = CreateObject("Scripting.Dictionary")
    Dim x
    x = d("missing")
    Main = d.Count & IsEmpty(x) & d.Exists("missing")
End Function
