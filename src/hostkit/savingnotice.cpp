#include "savingnotice.h"

#include "model/savingchanges.h"
#include "platform/ui/msgbox.h"

namespace hostkit {

void tellSavingChanges(const QString &jobText, const QString &title, const QString &heading,
                       const QString &notesHeading)
{
    XmlParseError error;
    const XmlNode document = XmlNode::parse(jobText, &error);
    if (document.isNull())
        return;
    QStringList parts;
    const auto add = [&parts](const QString &under, const QStringList &items) {
        if (!items.isEmpty())
            parts << under + QStringLiteral("\r- ") + items.join(QStringLiteral("\r- "));
    };
    add(heading, savingChanges(jobText));
    add(notesHeading, editingNotes(document));
    if (!parts.isEmpty())
        ui::MsgBox(parts.join(QStringLiteral("\r\r")), ui::OkOnly | ui::Exclamation, title);
}

} // namespace hostkit
