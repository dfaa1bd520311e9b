#include "cevent.h"

namespace {

// The event's values and the tags of their getters and setters.
const ModelValue Name{"Name", " cEvent.GetName() ", nullptr};
const ModelValue EvalCode{"Script/EvalCode", " cEvent.GetEvalCode() ", " cEvent.SetEvalCode() "};
const ModelValue Language{"Script/Language", " cEvent.GetLanguage() ", " cEvent.SetLanguage() "};

} // namespace

void cEvent::SetEventXML(const XmlNode &pData) { m_event.node = pData; }
XmlNode cEvent::GetEventXML() const { return m_event.node; }
QString cEvent::GetName() const { return m_event.text(Name); }
QString cEvent::GetEvalCode() const { return m_event.text(EvalCode); }
void cEvent::SetEvalCode(const QString &pData) { m_event.setScript(EvalCode, pData); }
QString cEvent::GetLanguage() const { return m_event.text(Language); }
void cEvent::SetLanguage(const QString &pData) { m_event.setText(Language, pData); }
