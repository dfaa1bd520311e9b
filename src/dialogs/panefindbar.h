#pragma once

#include <QWidget>

class QIntValidator;
class QLabel;
class QLineEdit;
class QToolButton;
class ScriptPane;
struct PaneTexts;

// The bar a script pane shows over its text for Find (Ctrl+F), Replace
// (Ctrl+H) and Go to line (Ctrl+G). Enter finds the next match (Shift+Enter
// the one before) or goes to the line; Esc closes the bar and gives the
// focus back to the text. Tab and Shift+Tab go round the bar's fields and
// buttons; no key typed in the bar reaches the text under it.
class PaneFindBar : public QWidget
{
    Q_OBJECT

public:
    enum Mode { Find, Replace, GoToLine };

    explicit PaneFindBar(ScriptPane *pane);

    void open(Mode mode, const QString &initialText);
    void close();
    Mode mode() const { return m_mode; }
    QString findText() const;
    void setTexts(const PaneTexts &texts);
    void showOutcome(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void accept(bool backward);

    ScriptPane *m_pane;
    Mode m_mode = Find;
    QLabel *m_findLabel;
    QLineEdit *m_find;
    QLabel *m_replaceLabel;
    QLineEdit *m_replace;
    QToolButton *m_next;
    QToolButton *m_replaceOne;
    QToolButton *m_replaceAll;
    QLabel *m_outcome;
    QToolButton *m_close;
    QIntValidator *m_lineNumber;
};
