#pragma once

#include "platform/xml/xmlnode.h"

#include <QString>

namespace host {

class Notifier;
class Skin;

// The interface through which the host drives a job editor, in the order the
// host calls it: Engine_InitControl, Engine_SetPathData, Engine_SetData,
// Engine_ShowData; then Engine_Validate and Engine_GetData on save.
// Engine_ChangeInterfaceLanguage, Engine_ChangeSettings and
// Engine_UpdateLanguages may come at any time after Engine_InitControl.
// Failures reach the host as Error (common/error.h) where the editor passes
// them on; the host objects given here must outlive the editor.
class Engine
{
public:
    virtual ~Engine() = default;

    virtual void Engine_SetData(const QString &pData) = 0;
    virtual QString Engine_GetData() = 0;
    virtual bool Engine_Validate() = 0;
    virtual QString Engine_Caption() const = 0;
    virtual void Engine_SetPathData(const QString &pData) = 0;
    virtual void Engine_ShowData() = 0;
    // The editor keeps the languages node itself (not a copy).
    virtual void Engine_UpdateLanguages(const XmlNode &pLanguages) = 0;
    virtual void Engine_ChangeInterfaceLanguage(const QString &pLanguageId) = 0;
    // A null skin is allowed: the designed colours stay.
    virtual void Engine_ChangeSettings(Skin *pSkin) = 0;
    // The editor keeps the notifier and skin, and a deep copy of the languages node.
    virtual void Engine_InitControl(Notifier *pNotifier, const XmlNode &pLanguages, Skin *pSkin) = 0;
};

} // namespace host
