' expect: 15|a1b|255|255c|1|aho|12|4|
' Words that are keywords only in some positions serve as names; '&' glued
' to names, strings and hex literals concatenates.
Class P
  Private m
  Public Property Get Value() : Value = m : End Property
  Public Property Let Value(v) : m = v : End Property
End Class
Function Main()
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
  Main = r & o.Value & "|"
End Function
