#include "dialogpicture.h"

#include "editor/keyedtabwidget.h"
#include "platform/ui/modal.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QEventLoop>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QTimer>

namespace {

// Lets a window that was just shown or changed lay itself out and paint.
void settle()
{
    QEventLoop loop;
    QTimer::singleShot(300, &loop, &QEventLoop::quit);
    loop.exec();
}

QString plain(QString caption)
{
    return caption.remove(QLatin1Char('&')).trimmed();
}

// The window as a message names it: by its title (the embedded editor has none).
QString windowName(const QWidget &window)
{
    const QString title = plain(window.windowTitle());
    return title.isEmpty() ? QStringLiteral("the editor") : title;
}

// Shows the page `name` of `window`: a tab (by key or title) or an entry of
// an enabled list (by text or key). False when the window has no such page.
bool showPage(QWidget &window, const QString &name)
{
    for (QTabWidget *tabs : window.findChildren<QTabWidget *>()) {
        const auto *keyed = qobject_cast<KeyedTabWidget *>(tabs);
        for (int tab = 0; tab < tabs->count(); ++tab) {
            if ((keyed && keyed->tabKey(tab) == name) || plain(tabs->tabText(tab)) == name) {
                tabs->setCurrentIndex(tab);
                return true;
            }
        }
    }
    for (QComboBox *list : window.findChildren<QComboBox *>()) {
        int entry = list->findText(name);
        if (entry < 0)
            entry = list->findData(name);
        if (entry >= 0 && list->isEnabled()) {
            list->setCurrentIndex(entry);
            return true;
        }
    }
    return false;
}

// Types `text` into the box `name` of `window` (a line, a text box or an
// editable list), replacing what it held; false when it has no such box.
bool fill(QWidget &window, const QString &name, const QString &text)
{
    if (auto *line = window.findChild<QLineEdit *>(name))
        line->setText(text);
    else if (auto *box = window.findChild<QTextEdit *>(name))
        box->setPlainText(text);
    else if (auto *plainBox = window.findChild<QPlainTextEdit *>(name))
        plainBox->setPlainText(text);
    else if (auto *list = window.findChild<QComboBox *>(name); list && list->isEditable())
        list->setCurrentText(text);
    else
        return false;
    return true;
}

// Presses the tool or button `name` of `window`: empty when it did, else
// why not, with %1 for the name and %2 for the window.
QString press(QWidget &window, const QString &name)
{
    QAction *action = window.findChild<QAction *>(name);
    QAbstractButton *button = action ? nullptr : window.findChild<QAbstractButton *>(name);
    if (!action && !button)
        return QStringLiteral("no tool, button or page %1 in %2");
    if (!(action ? action->isEnabled() : button->isEnabled()))
        return QStringLiteral("%1 cannot be pressed now in %2");
    if (action)
        action->trigger();
    else
        button->click();
    return QString();
}

class Walk
{
public:
    Walk(const QStringList &steps, const QString &path) : m_steps(steps), m_path(path) {}

    // Follows the steps in `window` until one presses something (which goes
    // on in the dialog it opens) or they run out; true when they ran out here.
    bool follow(QWidget &window)
    {
        while (m_next < m_steps.size() && m_problem.isEmpty()) {
            const QString &step = m_steps.at(m_next++);
            if (const qsizetype equals = step.indexOf(QLatin1Char('=')); equals > 0) {
                if (!fill(window, step.left(equals), step.mid(equals + 1)))
                    m_problem = QStringLiteral("no box %1 in %2").arg(step.left(equals), windowName(window));
                continue;
            }
            if (showPage(window, step))
                continue;
            const QString refused = press(window, step);
            if (refused.isEmpty())
                return false;
            m_problem = refused.arg(step, windowName(window));
        }
        return m_problem.isEmpty();
    }

    int picture(QDialog &dialog)
    {
        dialog.show();
        settle();
        if (follow(dialog) && !m_written) {
            settle();
            m_written = dialog.grab().save(m_path, "PNG");
            if (!m_written)
                m_problem = QStringLiteral("cannot write %1").arg(m_path);
        }
        dialog.hide();
        return int(QDialog::Rejected);
    }

    QString outcome(const QString &opener) const
    {
        if (!m_problem.isEmpty() || m_written)
            return m_problem;
        return QStringLiteral("%1 opens no dialog").arg(opener);
    }

private:
    QStringList m_steps;
    QString m_path;
    qsizetype m_next = 0;
    bool m_written = false;
    QString m_problem;
};

} // namespace

QString pictureDialog(QWidget &editor, const QStringList &steps, const QString &path)
{
    Walk walk(steps, path);
    const ui::ScopedModalHandler picture([&](QDialog &dialog) { return walk.picture(dialog); });
    walk.follow(editor);
    return walk.outcome(steps.join(QLatin1Char('/')));
}
