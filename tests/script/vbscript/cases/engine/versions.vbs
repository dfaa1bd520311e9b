' expect: 5.8
Function Main()
    Main = ScriptEngineMajorVersion & "." & ScriptEngineMinorVersion
End Function
