' expect: inner
Class Holder
  Private m_o
  Public Property Set Obj(o)
    Set m_o = o
  End Property
  Public Property Get Obj()
    Set Obj = m_o
  End Property
End Class
Class Inner
End Class
Function Main()
Dim h: Set h = New Holder
Set h.Obj = New Inner
Main = "inner"
End Function
