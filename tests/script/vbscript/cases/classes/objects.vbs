' uses: table.inc
' Classes: members and their visibility, Me, default members, Property
' Let/Set, object assignment, Initialize/Terminate order, and the errors of
' wrong member use.
Dim log, called, regrown
Class Counter
  Private m_n
  Public Name
  Private Sub Class_Initialize()
    m_n = 10
  End Sub
  Public Property Get Count()
    Count = m_n
  End Property
  Public Property Let Count(v)
    m_n = v
  End Property
  Public Sub Add(k)
    m_n = m_n + k
  End Sub
  Public Function Twice()
    Twice = m_n * 2
  End Function
End Class
Function Counting()
  Dim c, d: Set c = New Counter: Set d = New Counter
  Counting = c.Count & " "
  c.Add 3
  d.Count = 5: d.Name = "x"
  Counting = Counting & c.Count & " " & c.Twice() & " " & d.Count & d.Name & " " & TypeName(c)
End Function
Class Selfish
  Dim p
  Public V
  Public Function Self()
    Set Self = Me
  End Function
  Public Sub Bump()
    Me.V = Me.V + 1
  End Sub
  Public Function Go()
    Me.SetP 7
    Go = Me.GetP() + B() * 2
    With Me
      .p = .p + 1
      Go = Go & " " & .p
    End With
  End Function
  Private Sub SetP(x)
    p = x
  End Sub
  Private Function GetP()
    GetP = p
  End Function
  Function B()
    B = 3
  End Function
End Class
Function UseMe()
  Dim c: Set c = New Selfish
  c.V = 10
  c.Self().Bump
  UseMe = c.V & " " & c.Go()
End Function
Class Box
  Private m_v
  Public Default Property Get Value()
    Value = m_v
  End Property
  Public Property Let Value(v)
    m_v = v
  End Property
End Class
Class Tripler
  Public Default Function Item(i)
    Item = i * 3
  End Function
End Class
Class Runner
  Public Default Sub Run()
    called = "called"
  End Sub
End Class
Function Defaults()
  Dim b, s, r: Set b = New Box
  b.Value = "new"
  s = b
  Set r = New Runner
  r
  Defaults = s & " " & b & " " & (New Tripler)(3) & " " & called
End Function
Class Plain
  Private hidden
  Public a(2), V
  Property Get P()
    P = "early"
    Exit Property
    P = "late"
  End Property
End Class
Class Peeker
  Function Peek(c)
    Peek = c.hidden
  End Function
End Class
Class Holder
  Private m_o
  Public Property Set Obj(o)
    Set m_o = o
  End Property
  Public Property Get Obj()
    Set Obj = m_o
  End Property
End Class
Function Make()
  Set Make = New Plain
End Function
Function MakeWithoutSet()
  MakeWithoutSet = New Plain
End Function
Function Members()
  Dim c, d, h
  Set c = Make()
  c.a(1) = 3
  Set d = c
  d.V = 2
  Set h = New Holder
  Set h.Obj = c
  Members = c.a(1) & " " & c.V & " " & c.P & " " & TypeName(h.Obj) & " " & IsObject(c) & IsObject(1)
End Function
Class T
  Sub Class_Initialize()
    log = log & "init "
  End Sub
  Sub Class_Terminate()
    log = log & "term "
  End Sub
End Class
Sub UseIt()
  Dim t: Set t = New T
  log = log & "in "
End Sub
Function Lifetimes()
  Dim x, y
  log = ""
  Set x = New T
  Set x = Nothing
  log = log & "| "
  Set x = New T: Set y = x
  Set x = Nothing
  log = log & "a "
  Set y = Nothing
  log = log & "| "
  Set x = New T
  x = 5
  log = log & "| "
  UseIt
  Lifetimes = log & "out"
End Function
Class Regrow
  Sub Class_Terminate()
    regrown = regrown + 1
    If regrown < 3 Then
      Dim t: Set t = New Regrow
    End If
  End Sub
End Class
Class Failing
  Sub Class_Terminate()
    Err.Raise 5
  End Sub
End Class
Function Terminates()
  Dim x
  Set x = New Regrow
  Set x = Nothing
  Set x = New Failing
  Set x = Nothing
  Terminates = regrown & " ok"
End Function
? Counting() => 10 13 26 5x Counter
? UseMe() => 11 13 8
? Defaults() => new new 9 called
? Members() => 3 2 early Plain TrueFalse
? Lifetimes() => init term | init a term | init term | init in term out
? Terminates() => 3 ok
? (New Counter).m_n => err438
? (New Peeker).Peek(New Plain) => err438
? (New Plain) + 1 => err438
? MakeWithoutSet() => err438
? Stmt("o = New Plain") => 438
? Stmt("Set c = New Counter: c.Nope") => 438
? Stmt("Set c = New Plain: c.P = 2") => 450
? Stmt("x = 5: y = x.Foo") => 424
? Stmt("Set x = New Nope") => 506
