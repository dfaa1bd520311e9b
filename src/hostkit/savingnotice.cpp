#include "savingnotice.h"

#include "model/savingchanges.h"
#include "platform/ui/msgbox.h"

namespace hostkit {

void tellSavingChanges(const QString &jobText, const QString &title, const QString &heading)
{
    XmlParseError error;
    const XmlNode document = XmlNode::parse(jobText, &error);
    if (document.isNull())
        return;
    const QStringList changes = savingChanges(document);
    if (changes.isEmpty())
        return;
    ui::MsgBox(heading + QStringLiteral("\r- ") + changes.join(QStringLiteral("\r- ")),
               ui::OkOnly | ui::Exclamation, title);
}

} // namespace hostkit
