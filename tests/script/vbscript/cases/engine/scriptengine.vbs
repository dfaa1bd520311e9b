' expect: VBScript
Function Main()
    Main = ScriptEngine
End Function
