' expect: new
Class Box
  Private m_v
  Public Default Property Get Value()
    Value = m_v
  End Property
  Public Property Let Value(v)
    m_v = v
  End Property
End Class
Function Main()
Dim b: Set b = New Box
b.Value = "new"
Main = b
End Function
