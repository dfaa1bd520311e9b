#include "dialogshape.h"

#include "common/showerror.h"
#include "common/skinapply.h"
#include "common/windowlanguage.h"
#include "host/languagereader.h"
#include "platform/ui/controltext.h"
#include "platform/ui/placement.h"

#include <QFrame>
#include <QLabel>
#include <QWidget>

ContextDialog::ContextDialog(const DialogContext &context, QWidget *parent, const char *name, const QString &caption,
                             int widthTwips, int heightTwips)
    : ui::ChromeDialog(parent), DialogContext(context)
{
    setObjectName(QLatin1String(name));
    setWindowTitle(caption);
    setDesignSize(widthTwips, heightTwips);
}

QFrame *raisedPanel(QWidget *parent, const char *name, int left, int top, int width, int height)
{
    QFrame *panel = ui::placed(new QFrame(parent), name, left, top, width, height);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    return panel;
}

void applySkinGroups(const host::Skin *skin, const QList<SkinGroup> &groups)
{
    for (const SkinGroup &group : groups)
        ApplySkinColor(group.getter, skin, [&](const QColor &color) {
            for (QWidget *control : group.controls)
                group.paint(*control, color);
        });
}

void SectionTexts::operator()(const QString &key, const std::function<void(const QString &)> &assign) const
{
    SetLanguageText(m_reader, m_section, key, assign);
}

void handleEvent(const char *tag, const std::function<void()> &body)
{
    try {
        reporting(tag, QString(), body);
    } catch (...) {
        // The error report itself failed: nothing more can be done here.
    }
}

void applyDialogLanguage(QWidget &dialog, const DialogContext &context, const char *tag, const QString &captionPrefix,
                         const QList<QObject *> &controls, const std::function<void(const SectionTexts &)> &more)
{
    handleEvent(tag, [&] {
        const std::unique_ptr<host::LanguageReader> reader =
            OpenLanguage(context.gInterfaceLanguage, context.gPathData);
        if (!reader)
            return;
        const SectionTexts texts(*reader, dialog.objectName());
        texts(QStringLiteral("Caption"), [&](const QString &text) { dialog.setWindowTitle(captionPrefix + text); });
        for (QObject *control : controls)
            texts(control->objectName(), [&](const QString &text) {
                ui::setControlText(*control, text);
                if (auto *label = qobject_cast<QLabel *>(control))
                    ui::fitToText(*label);
            });
        if (more)
            more(texts);
    });
}
