#pragma once

#include "model/cevents.h"
#include "model/evallevels.h"
#include "model/modelvalue.h"
#include "platform/xml/xmlnode.h"

#include <QString>

// One evaluation level (an EvalData element): its type code, script,
// language, reference value and events. An object bound to nothing (a level
// that a lookup did not find) raises 91 on every read or write; one that the
// sensor's lookup gave names the level it did not find. A missing element
// below the level raises 91 naming it.
class cEvalData
{
public:
    // The events of the bound element; replaced each time the object is bound.
    cEvents oEvents;

    // A fresh level, belonging to no job document until the caller inserts
    // it: Type (empty), Script (Language, EvalCode, both empty), Events (with
    // the default event) and ReferenceValue "0".
    void Create();
    QString GetEvalCode() const;
    double GetReferenceValue() const;      // raises 13 for a text that is not a number
    void SetReferenceValue(double pData);
    XmlNode GetEvalDataXML() const;
    QString GetLanguage() const;
    int GetType() const;                   // a Type that is not a number reads as 0
    void SetEvalCode(const QString &pData);
    // Binds the element itself, then builds oEvents over its Events child
    // (which may add the default event to the document holding the level).
    void SetEvalDataXML(const XmlNode &pData);
    void SetLanguage(const QString &pData);
    void SetType(int pData);

    bool isNothing() const { return m_evalData.node.isNull(); }
    explicit operator bool() const { return !isNothing(); }

private:
    friend class cSensor;

    void MakeCollections();

    ModelElement m_evalData;   // its `missing`: why the sensor's lookup found no level
};
