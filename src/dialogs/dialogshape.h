#pragma once

#include "platform/ui/chromedialog.h"

#include <QList>
#include <QString>
#include <functional>

class QColor;
class QFrame;
class QObject;
class QWidget;

namespace host {
class LanguageReader;
class Skin;
}

// What every dialog of the editor shares besides its chrome (platform/ui):
//  - it is created with a context: the interface language, the data folder
//    and the host's skin, which it keeps as its public fields of the same
//    names (it derives from DialogContext);
//  - it is placed from its design table (ui::placed) and named after the
//    language section of its texts (its objectName);
//  - its loading applies the skin by groups, then the texts by control
//    name, then fills its controls;
//  - its results are read through typed getters once it has hidden.
//
// A dialog written this way:
//   frmX::frmX(const DialogContext &context, QWidget *parent)
//       : ContextDialog(context, parent, "frmX", "Caption", width, height) { ...placed controls... }
//   void frmX::Form_Load()
//   {
//       applySkinGroups(gSkin, {{GetColorFont, ui::setForeColor, {cmdOk}}, ...});
//       applyDialogLanguage(*this, *this, " frmX.ChangeLanguage() ", QStringLiteral(" "), {lblName, cmdOk});
//   }

// A dialog's event handler (a top-level handler of its Part): runs `body`
// and reports a failure with `tag` appended to its source (ShowError,
// message shown); not even a failing report leaves it.
void handleEvent(const char *tag, const std::function<void()> &body);

// The interface language (the base name of a language file; none: the
// designed texts), the data folder that holds the language files, and the
// host's skin (null: the designed colours).
struct DialogContext
{
    QString gInterfaceLanguage;
    QString gPathData;
    const host::Skin *gSkin = nullptr;
};

// A borderless dialog with its context: named after its language section,
// with its designed caption and the design size of its client area (twips).
class ContextDialog : public ui::ChromeDialog, public DialogContext
{
    Q_OBJECT

public:
    ContextDialog(const DialogContext &context, QWidget *parent, const char *name, const QString &caption,
                  int widthTwips, int heightTwips);
};

// A raised panel placed from the design table (ui::placed).
QFrame *raisedPanel(QWidget *parent, const char *name, int left, int top, int width, int height);

// One group of a dialog's colours: the colour one skin getter gives,
// painted on each control of the group (ui::setBackColor, ui::setForeColor,
// or a painter of the dialog's own).
struct SkinGroup
{
    long (*getter)(const host::Skin *);
    void (*paint)(QWidget &control, const QColor &color);
    QList<QWidget *> controls;
};

// Paints the groups in order, each only when the skin gives its colour
// (greater than -1). A getter that fails (no skin, a skin that lacks the
// member) gives none; a failing paint is skipped.
void applySkinGroups(const host::Skin *skin, const QList<SkinGroup> &groups);

// The texts of one section of a loaded language file.
class SectionTexts
{
public:
    SectionTexts(host::LanguageReader &reader, QString section) : m_reader(reader), m_section(std::move(section)) {}

    // Hands the text of `key` to `assign`; a lookup or an assignment that
    // fails is skipped.
    void operator()(const QString &key, const std::function<void(const QString &)> &assign) const;
    host::LanguageReader &reader() const { return m_reader; }

private:
    host::LanguageReader &m_reader;
    QString m_section;
};

// The dialog's texts from the section named after it (its objectName) in
// the language file of context.gInterfaceLanguage in context.gPathData:
// "Caption" becomes the window title, after `captionPrefix`; each control of
// `controls` takes the text keyed by its own name (ui::setControlText; a
// label widens to its text); `more` reads the dialog's other keys (messages,
// headings). Without a file, or when the reader does not load it, every
// text stays as designed and `more` is not called. A failure before the texts
// (testing or loading the file) is reported (ShowError, message shown) with
// `tag` appended to its source; nothing leaves this function.
void applyDialogLanguage(QWidget &dialog, const DialogContext &context, const char *tag, const QString &captionPrefix,
                         const QList<QObject *> &controls,
                         const std::function<void(const SectionTexts &)> &more = {});
