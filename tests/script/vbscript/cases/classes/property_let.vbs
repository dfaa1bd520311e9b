' expect: 5
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
Function Main()
Dim c: Set c = New Counter
c.Count = 5
Main = c.Count
End Function
