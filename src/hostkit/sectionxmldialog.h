#pragma once

#include <QDialog>
#include <QString>

class QDialogButtonBox;
class QPlainTextEdit;

namespace hostkit {

// The reference host's editor of one job section (properties, schedule,
// documentation): the section's XML in a monospaced text box ("txtSection")
// with OK and Cancel ("buttonBox"). OK accepts only well-formed XML whose
// root element keeps the section's name (when the section had one); anything
// else is refused with a message through ui::MsgBox, the caret is put on the
// fault and the dialog stays open.
class SectionXmlDialog : public QDialog
{
    Q_OBJECT

public:
    // `section` is shown indented when it is well-formed, as given otherwise.
    SectionXmlDialog(const QString &title, const QString &section, QWidget *parent = nullptr);

    // The text as the user left it.
    QString sectionText() const;
    // The root element name OK insists on; empty when the given section was
    // not well-formed (then any root is accepted).
    QString sectionName() const { return m_sectionName; }

    void accept() override;

private:
    void refuse(const QString &reason, int line, int column);

    QString m_sectionName;
    QPlainTextEdit *m_text = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
};

} // namespace hostkit
