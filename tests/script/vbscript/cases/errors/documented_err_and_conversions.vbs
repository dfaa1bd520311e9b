' expect: in;11|1000,mine,src|424,424|1/2/2000|10:20:30 AM|12:00:00 AM|254Byte,Single,1.2346Currency|197121,65535,5|6
' Err semantics, member access on Nothing, CStr of dates and times,
' CByte/CSng/CCur and RGB.
Function Main()
  Dim r, x, o
  On Error Resume Next
  ' An error in a condition goes on with the statement inside the block.
  If 1 / 0 = 1 Then r = r & "in;" End If
  r = r & Err.Number & "|"
  Err.Clear
  ' Raise keeps the fields it is not given.
  Err.Description = "mine": Err.Source = "src"
  Err.Raise 1000
  r = r & Err.Number & "," & Err.Description & "," & Err.Source & "|"
  Err.Clear
  Set o = Nothing
  x = o.Foo
  r = r & Err.Number & ","
  Err.Clear
  o.Bar 1
  r = r & Err.Number & "|"
  Err.Clear
  r = r & CStr(#1/2/2000#) & "|" & CStr(#10:20:30#) & "|" & CStr(CDate(0)) & "|"
  r = r & CByte(254.5) & TypeName(CByte(1)) & "," & TypeName(CSng(1.5)) & "," & CCur(1.23456) & TypeName(CCur(1)) & "|"
  r = r & RGB(1, 2, 3) & "," & RGB(256, 300, 0) & ","
  x = RGB(-1, 0, 0): r = r & Err.Number & "|": Err.Clear
  x = CByte(256): r = r & Err.Number
  Main = r
End Function
