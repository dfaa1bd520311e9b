#include "sectionxmldialog.h"

#include "platform/ui/msgbox.h"
#include "platform/xml/xmlnode.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QVBoxLayout>

namespace hostkit {

SectionXmlDialog::SectionXmlDialog(const QString &title, const QString &section, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("SectionXmlDialog"));
    setWindowTitle(title);

    QString shown = section;
    XmlParseError error;
    const XmlNode document = XmlNode::parse(section, &error);
    if (!document.isNull()) {
        m_sectionName = document.documentElement().nodeName();
        shown = document.documentElement().xml(true);
    }

    auto *hint = new QLabel(m_sectionName.isEmpty()
                                ? tr("Edit the section as XML.")
                                : tr("Edit the section as XML; it stays one <%1> element.").arg(m_sectionName),
                            this);
    hint->setObjectName(QStringLiteral("lblHint"));

    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("txtSection"));
    m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setTabStopDistance(4 * m_text->fontMetrics().horizontalAdvance(QLatin1Char(' ')));
    m_text->setPlainText(shown);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_buttons->setObjectName(QStringLiteral("buttonBox"));
    connect(m_buttons, &QDialogButtonBox::accepted, this, &SectionXmlDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &SectionXmlDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addWidget(m_text, 1);
    layout->addWidget(m_buttons);
    resize(640, 420);
}

QString SectionXmlDialog::sectionText() const
{
    return m_text->toPlainText();
}

void SectionXmlDialog::accept()
{
    XmlParseError error;
    const XmlNode document = XmlNode::parse(sectionText(), &error);
    if (document.isNull()) {
        refuse(tr("The text is not well-formed XML: %1 (%2).").arg(error.reason, error.location()), error.line,
               error.column);
        return;
    }
    const QString root = document.documentElement().nodeName();
    if (!m_sectionName.isEmpty() && root != m_sectionName) {
        refuse(tr("The section must stay one <%1> element; the text holds <%2>.").arg(m_sectionName, root), 0, 0);
        return;
    }
    QDialog::accept();
}

void SectionXmlDialog::refuse(const QString &reason, int line, int column)
{
    ui::MsgBox(reason, ui::OkOnly | ui::Exclamation, windowTitle());
    if (line > 0) {
        const QTextBlock block = m_text->document()->findBlockByNumber(line - 1);
        if (block.isValid()) {
            QTextCursor cursor(block);
            cursor.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor,
                                qBound(0, column - 1, block.length() - 1));
            m_text->setTextCursor(cursor);
        }
    }
    m_text->setFocus();
}

} // namespace hostkit
