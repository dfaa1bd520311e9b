' uses: table.inc
' Literals, names, comments and line continuations as the lexer reads them.
Dim [my var], größe, continued
[my var] = 7
größe = "größe ✓"
continued = Add3(1, _
  2 + _
  3, 4)
Function Add3(a, b, c)
  Add3 = a + b + c
End Function
FUNCTION CaseBlind()
  DIM Value : VALUE = 5
  caseblind = value + 1
END FUNCTION
Function Comments()
' a comment
Dim a ' trailing
Rem a Rem comment
a = 2 : Rem after colon
Rem a = 3
Comments = a
End Function
' Words that are keywords only in some positions serve as names; '&' glued
' to names, strings and hex literals concatenates.
Class P
  Private m
  Public Property Get Value() : Value = m : End Property
  Public Property Let Value(v) : m = v : End Property
End Class
Function SoftKeywords()
  Dim Step, Property, Explicit, Error, Default, r, Name, o, x
  Step = 1: Property = 2: Explicit = 3: Error = 4: Default = 5
  r = Step + Property + Explicit + Error + Default & "|"
  r = r & "a"&Step&"b" & "|" & &HFF & "|"
  r = r & &HFF&"c"&"|"
  For x = 1 To 1 Step Step: r = r & x & "|": Next
  Name = "ho"
  r = r & "a"&Name&"|" & 1&"2" & "|"
  Set o = New P
  o.Value = 4
  SoftKeywords = r & o.Value & "|"
End Function
? [my var] & " " & größe => 7 größe ✓
? continued => 10
? CaseBlind() => 6
? Comments() => 2
? SoftKeywords() => 15|a1b|255|255c|1|aho|12|4|
? Stmt("Dim preserve: preserve = 3") => 0
? "say ""hi""" => say "hi"
? #1/2/2020# & " " & TypeName(#1/2/2020#) => 1/2/2020 Date
? CStr(#1/2/2020 15:04:05#) => 1/2/2020 3:04:05 PM
? .5 & " " & 1.5E3 & " " & TypeName(1.5) => 0.5 1500 Double
? TypeName(32767) & " " & TypeName(32768) & " " & TypeName(2147483648) => Integer Long Double
? 2 ^ -2 => 0.25
? &HFF & " " & &HFFFF & " " & TypeName(&HFFFF) => 255 -1 Integer
? &H10000 & " " & TypeName(&H10000) & " " & &HFFFF& & " " & TypeName(&HFFFF&) => 65536 Long 65535 Long
? &HFFFFFFFF & " " & &H80000000 => -1 -2147483648
? &O10 & " " & &10 => 8 8
' Too many digits is an invalid number; '&H' without a hex digit is the '&'
' operator (then an expression is missing); a letter after the digits ends the number.
? Stmt("x = &H100000000") & " " & Stmt("x = &H") & " " & Stmt("x = &HG") & " " & Stmt("x = &HFG") => 1031 1023 1023 1025
? Stmt("Dim " & String(256, "a")) => 1030
? Stmt("x = 1 $ 2") => 1032
? Stmt("x = ""abc") => 1033
