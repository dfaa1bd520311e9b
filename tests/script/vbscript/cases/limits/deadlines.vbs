' Work inside one built-in or one compile stops at the deadline: each row
' would run for many seconds, and ends with 18 once its 100 ms are up.
' time-limit: 100
Dim letters: letters = String(100000, "a")

' A pattern that fails only after scanning the rest of the text, tried at
' every position: quadratic in the text.
Function Quadratic(what)
  Set re = New RegExp
  re.Pattern = "[a-z]*[0-9]"
  re.Global = True
  If what = "Replace" Then Quadratic = re.Replace(letters, "x")
  If what = "Execute" Then Quadratic = re.Execute(letters).Count
  If what = "Test" Then Quadratic = re.Test(letters)
End Function
? Quadratic("Replace") => err18
? Quadratic("Execute") => err18
? Quadratic("Test") => err18

' Millions of statements or terms to compile.
? Execute(Replace(Space(3000000), " ", "x = 1 : ")) => err18
? ExecuteGlobal(Replace(Space(3000000), " ", "Dim y : ")) => err18
? Eval("1" & Replace(Space(3000000), " ", " + 1")) => err18

' On Error Resume Next does not keep the script going past the deadline.
Function Resumed()
  On Error Resume Next
  Resumed = Quadratic("Replace")
  Resumed = "went on"
End Function
? Resumed() => err18
