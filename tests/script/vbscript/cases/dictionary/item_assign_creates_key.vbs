' expect: 1v
Function Main()
    Dim d
    Set d = CreateObject("Scripting.Dictionary")
    d("k") = "v"
    Main = d.Count & d("k")
End Function
