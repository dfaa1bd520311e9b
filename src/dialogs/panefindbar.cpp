#include "panefindbar.h"

#include "panetexts.h"
#include "scriptpane.h"

#include <QHBoxLayout>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include <algorithm>

namespace {

QToolButton *button(QWidget *parent, const char *name)
{
    auto *result = new QToolButton(parent);
    result->setObjectName(QLatin1String(name));
    result->setAutoRaise(true);
    return result;
}

} // namespace

PaneFindBar::PaneFindBar(ScriptPane *pane)
    : QWidget(pane), m_pane(pane), m_findLabel(new QLabel(this)), m_find(new QLineEdit(this)),
      m_replaceLabel(new QLabel(this)), m_replace(new QLineEdit(this)), m_next(button(this, "paneFindNext")),
      m_replaceOne(button(this, "paneReplaceOne")), m_replaceAll(button(this, "paneReplaceAll")),
      m_outcome(new QLabel(this)), m_close(button(this, "paneFindClose")),
      m_lineNumber(new QIntValidator(1, 1 << 30, this))
{
    setObjectName(QStringLiteral("paneFindBar"));
    setAutoFillBackground(true);
    m_find->setObjectName(QStringLiteral("paneFindText"));
    m_replace->setObjectName(QStringLiteral("paneReplaceText"));
    m_close->setText(QStringLiteral("\u00d7"));
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(4, 2, 4, 2);
    row->setSpacing(4);
    for (QWidget *widget : std::initializer_list<QWidget *>{m_findLabel, m_find, m_replaceLabel, m_replace, m_next,
                                                             m_replaceOne, m_replaceAll, m_outcome})
        row->addWidget(widget);
    row->addStretch();
    row->addWidget(m_close);
    for (QLineEdit *edit : {m_find, m_replace})
        edit->installEventFilter(this);

    connect(m_next, &QToolButton::clicked, this, [this] { accept(false); });
    connect(m_replaceOne, &QToolButton::clicked, this,
            [this] { m_pane->replaceNext(m_find->text(), m_replace->text()); });
    connect(m_replaceAll, &QToolButton::clicked, this, [this] {
        const int count = m_pane->replaceAll(m_find->text(), m_replace->text());
        showOutcome(m_pane->texts().replaced.arg(count));
    });
    connect(m_close, &QToolButton::clicked, this, &PaneFindBar::close);
    connect(m_find, &QLineEdit::textEdited, m_outcome, &QLabel::clear);
    setTexts(PaneTexts());
    hide();
}

void PaneFindBar::setTexts(const PaneTexts &texts)
{
    m_findLabel->setText(m_mode == GoToLine ? texts.goToLine : texts.find);
    m_replaceLabel->setText(texts.replace);
    m_next->setText(texts.next);
    m_replaceOne->setText(texts.replaceOne);
    m_replaceAll->setText(texts.replaceAll);
}

void PaneFindBar::open(Mode mode, const QString &initialText)
{
    m_mode = mode;
    const bool replacing = mode == Replace;
    for (QWidget *widget : std::initializer_list<QWidget *>{m_replaceLabel, m_replace, m_replaceOne, m_replaceAll})
        widget->setVisible(replacing);
    m_next->setVisible(mode != GoToLine);
    m_find->setValidator(mode == GoToLine ? m_lineNumber : nullptr);
    setTexts(m_pane->texts());
    m_outcome->clear();
    if (mode == GoToLine)
        m_find->clear();
    else if (!initialText.isEmpty())
        m_find->setText(initialText);
    show();
    m_pane->placeFindBar();
    m_find->setFocus();
    m_find->selectAll();
}

void PaneFindBar::close()
{
    hide();
    m_pane->placeFindBar();
    m_pane->setFocus();
}

QString PaneFindBar::findText() const
{
    return m_mode == GoToLine ? QString() : m_find->text();
}

void PaneFindBar::showOutcome(const QString &text)
{
    m_outcome->setText(text);
}

void PaneFindBar::accept(bool backward)
{
    if (m_mode == GoToLine) {
        m_pane->goToLine(m_find->text().toInt());
        close();
        return;
    }
    if (!m_pane->findNext(m_find->text(), backward))
        showOutcome(m_pane->texts().notFound);
    else
        m_outcome->clear();
}

// The bar's own round: its children ask their parent for the next field,
// and the pane would take Tab as text.
bool PaneFindBar::focusNextPrevChild(bool next)
{
    QList<QWidget *> fields;
    for (QWidget *widget : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (widget->isVisibleTo(this) && widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus))
            fields << widget;
    if (fields.isEmpty())
        return true;
    // In the order they stand in the row.
    std::stable_sort(fields.begin(), fields.end(), [](QWidget *a, QWidget *b) { return a->x() < b->x(); });
    const qsizetype at = fields.indexOf(focusWidget());
    const qsizetype count = fields.size();
    const qsizetype to = at < 0 ? (next ? 0 : count - 1) : (at + (next ? 1 : count - 1)) % count;
    fields[to]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    if (auto *edit = qobject_cast<QLineEdit *>(fields[to]))
        edit->selectAll();
    return true;
}

// A key that a field of the bar leaves alone stops here: the pane behind the
// bar is not where the user types.
// Ctrl+Tab goes on to the window (the pane leaves it alone too); Esc on a
// button closes the bar, F3 finds again from the bar as from the text.
void PaneFindBar::keyPressEvent(QKeyEvent *event)
{
    const bool control = event->modifiers() & Qt::ControlModifier;
    if (control && (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab)) {
        event->ignore();
        return;
    }
    if (event->key() == Qt::Key_Escape)
        close();
    else if (event->key() == Qt::Key_F3 && !control && m_mode != GoToLine)
        accept(event->modifiers() & Qt::ShiftModifier);
    event->accept();
}

bool PaneFindBar::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Escape) {
            close();
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (watched == m_replace)
                m_pane->replaceNext(m_find->text(), m_replace->text());
            else
                accept(key->modifiers() & Qt::ShiftModifier);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
