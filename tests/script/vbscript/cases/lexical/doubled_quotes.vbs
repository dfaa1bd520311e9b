' expect: say "hi"
Function Main()
Main = "say ""hi"""
End Function
