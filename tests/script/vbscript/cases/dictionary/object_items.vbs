' expect: 5
Function Main()
    Dim d
    Set d = CreateObject("Scripting.Dictionary")
    Dim inner
    Set inner = CreateObject("Scripting.Dictionary")
    inner.Add "n", 5
    d.Add "in", inner
    Main = d("in")("n")
End Function
