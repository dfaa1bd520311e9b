' expect: True
Function Main()
    Main = ScriptEngineBuildVersion > 0
End Function
