' expect: 12
Function Main()
    Dim d
    Set d = CreateObject("Scripting.Dictionary")
    d.Add "k", 1
    d("k") = 2
    Main = d.Count & d("k")
End Function
