' expect: TrueTrueFalse
Function Main()
    Dim d
    Set d = CreateObject("Scripting.Dictionary")
    d.Add 1, "one"
    Main = d.Exists(CLng(1)) & d.Exists(1.0) & d.Exists("1")
End Function
