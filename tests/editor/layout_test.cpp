// The layout of every window, by the promises of its design: each control
// inside its parent, no two over each other, Tab in reading order, and the
// script panes taking what the window grows; sensor-editor run as a user
// runs it, with --screenshot writing a picture of the window.
#include "windows.h"

#include <QApplication>
#include <QImage>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>
#include <QProcess>
#include <QTemporaryDir>

namespace {

// What breaks the promises in `window` as it shows now, one line a fault.
// Controls are the named widgets on view (Qt's own parts, "qt_…", left
// out); a control may overhang its parent by 3 pixels, as the level tabs do
// to hide their border, and share a one-pixel edge with a neighbour (twips
// rounded to pixels).
QStringList layoutFaults(const QWidget &window)
{
    QList<const QWidget *> controls;
    for (const QWidget *control : window.findChildren<QWidget *>())
        if (!control->objectName().isEmpty() && !control->objectName().startsWith(u"qt_") && control->isVisibleTo(&window))
            controls << control;
    QStringList faults;
    const auto fault = [&](const QWidget *a, const char *what, const QWidget *b) {
        faults << a->objectName() + QLatin1String(what) + (b ? b->objectName() : a->parentWidget()->objectName());
    };
    for (const QWidget *a : controls) {
        if (!a->parentWidget()->rect().adjusted(-3, -3, 3, 3).contains(a->geometry()))
            fault(a, " is outside its parent ", nullptr);
        for (const QWidget *b : controls)
            if (a < b && a->parentWidget() == b->parentWidget()
                && a->geometry().adjusted(0, 0, -1, -1).intersects(b->geometry().adjusted(0, 0, -1, -1)))
                fault(a, " overlaps ", b);
    }
    // Tab visits the controls of one parent together, each row left to right
    // and each column top down.
    QList<const QWidget *> order;
    for (const QWidget *w = window.nextInFocusChain(); w != &window; w = w->nextInFocusChain())
        if (controls.contains(w) && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled())
            order << w;
    for (qsizetype i = 0; i < order.size(); ++i) {
        const QWidget *parent = order[i]->parentWidget();
        if (i > 1 && parent != order[i - 1]->parentWidget()
            && std::any_of(order.begin(), order.begin() + i - 1, [&](const QWidget *w) { return w->parentWidget() == parent; }))
            fault(order[i], " is reached by Tab apart from the others in ", nullptr);
        for (qsizetype j = i + 1; j < order.size(); ++j) {
            const QRect a = order[i]->geometry(), b = order[j]->geometry();
            const bool row = a.top() <= b.bottom() && b.top() <= a.bottom();
            const bool column = a.left() <= b.right() && b.left() <= a.right();
            if (order[j]->parentWidget() == parent && ((row && b.right() < a.left()) || (column && b.bottom() < a.top())))
                fault(order[j], " is reached by Tab after ", order[i]);
        }
    }
    return faults;
}

// A focus stop by the name a user would know it by: a tool button by its
// tool's, a tab bar by its tab widget's, a box inside a control by the
// control's.
QString stopName(const QWidget *stop)
{
    const QWidget *parent = stop->parentWidget();
    if (parent && parent->focusProxy() == stop)
        return stopName(parent);
    if (const auto *tool = qobject_cast<const QToolButton *>(stop); tool && tool->defaultAction() && stop->objectName().isEmpty())
        return tool->defaultAction()->objectName();
    if (qobject_cast<const QTabBar *>(stop))
        return parent->objectName() + QStringLiteral(".tabs");
    return stop->objectName();
}

// The names of the controls on view that Tab is to reach in `window`, in
// the order of its focus chain: enabled, taking the focus by Tab; of a group of radio buttons the
// chosen one (the arrow keys choose among them).
QStringList tabStops(const QWidget &window)
{
    QStringList stops;
    for (const QWidget *control = window.nextInFocusChain(); control != &window; control = control->nextInFocusChain()) {
        const auto *radio = qobject_cast<const QRadioButton *>(control);
        const bool unchosen = radio && radio->autoExclusive() && !radio->isChecked()
            && std::any_of(control->parentWidget()->children().begin(), control->parentWidget()->children().end(), [](const QObject *other) {
                   const auto *sibling = qobject_cast<const QRadioButton *>(other);
                   return sibling && sibling->isChecked();
               });
        if (control->isVisibleTo(&window) && control->isEnabled() && (control->focusPolicy() & Qt::TabFocus)
            && !control->focusProxy() && !unchosen)
            stops << stopName(control);
    }
    return stops;
}

// The round Tab makes through `window` from its first stop: each stop by
// name until Tab comes back to the first. In a box where Tab is typed the
// user leaves with Ctrl+Tab; where that turns the page instead (the
// editor's panes), the round ends there.
QStringList tabRound(QWidget &window, const QStringList &stops)
{
    QStringList round;
    QList<std::pair<QTabWidget *, int>> pages;   // Ctrl+Tab may turn them
    for (QTabWidget *tabs : window.findChildren<QTabWidget *>())
        pages.append({tabs, tabs->currentIndex()});
    QApplication::setActiveWindow(&window);
    for (QWidget *control = window.nextInFocusChain(); control != &window; control = control->nextInFocusChain())
        if (stopName(control) == stops.value(0) && control->isVisibleTo(&window)) {
            control->setFocus(Qt::TabFocusReason);
            break;
        }
    for (qsizetype press = 0; press <= stops.size(); ++press) {
        QWidget *focus = QApplication::focusWidget();
        round << (focus ? stopName(focus) : QStringLiteral("(nothing)"));
        if (!focus || (press > 0 && round.last() == stops.first()))
            break;
        const auto *box = qobject_cast<const QPlainTextEdit *>(focus);
        const auto *richBox = qobject_cast<const QTextEdit *>(focus);
        const bool typed = (box && !box->tabChangesFocus() && !box->isReadOnly())
            || (richBox && !richBox->tabChangesFocus() && !richBox->isReadOnly());
        const QStringList before = tabStops(window);
        QTest::keyClick(focus, Qt::Key_Tab, typed ? Qt::ControlModifier : Qt::NoModifier);
        if (typed && tabStops(window) != before)
            break;
    }
    for (const auto &[tabs, page] : pages)
        tabs->setCurrentIndex(page);
    return round;
}

// Tab takes a user round every control of every page of every window once:
// none left out, none twice, in the window's order.
TEST(Layout, TabGoesRoundEveryControlOnce)
{
    forEachWindow(QStringLiteral(VT_DATA_DIR), "en", [&](QWidget &window) {
        forEachPage(window, [&] {
            const QStringList stops = tabStops(window);
            QStringList round = tabRound(window, stops);
            if (round.size() > 1 && round.last() == round.first())
                round.removeLast();
            QStringList expected = stops;
            std::sort(expected.begin(), expected.end());
            QStringList reached = round;
            std::sort(reached.begin(), reached.end());
            EXPECT_EQ(reached.join(u' '), expected.join(u' '))
                << window.metaObject()->className() << ": " << round.join(u' ').toStdString();
        });
    });
}

// Moves the focus in `window` by Tab from its first stop to the control
// named `name`; false when Tab does not get there.
bool tabTo(QWidget &window, const QString &name)
{
    const QStringList stops = tabStops(window);
    QApplication::setActiveWindow(&window);
    window.nextInFocusChain()->setFocus(Qt::TabFocusReason);
    for (qsizetype press = 0; press <= 2 * stops.size(); ++press) {
        QWidget *focus = QApplication::focusWidget();
        if (!focus || stopName(focus) == name)
            return focus;
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    return false;
}

// Every dialog opens from the keyboard: Tab to its button and Space (the
// Result Test: F5 in the pane); the connection dialog from the Database Connection Wizard's button.
TEST(Layout, EveryDialogOpensFromTheKeyboard)
{
    const struct
    {
        const char *page, *opener;
        Qt::Key key;
        const char *opened;
    } cases[] = {
        {"General", "cmdWizard", Qt::Key_Space, "frmWizard ConnectionDialog"},
        {"General", "rtfScript", Qt::Key_F5, "frmResultTest"},
        {"EvaluationData", "cmdEvents", Qt::Key_Space, "frmEditEvents"},
        {"EvaluationData", "cmdWizardValues", Qt::Key_Space, "frmWizardValues"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.opener);
        EditorHost host("existing-job.xml");
        host.show();
        QStringList opened;
        const ui::ScopedModalHandler modal([&](QDialog &dialog) {
            opened << QLatin1String(dialog.metaObject()->className());
            dialog.show();
            if (tabTo(dialog, QStringLiteral("cmdEditCnnString")))
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
            dialog.hide();
            return 0;
        });
        host.controls.ssTabDatos->selectKey(QLatin1String(c.page));
        ASSERT_TRUE(tabTo(*host.editor, QLatin1String(c.opener)));
        QTest::keyClick(QApplication::focusWidget(), c.key);
        EXPECT_EQ(opened.join(u' '), QLatin1String(c.opened));
    }
}

// Every page of every window, at its size and grown where it can grow.
TEST(Layout, EveryWindowKeepsItsControlsInsideApartInReadingOrderAndGrowsItsPanes)
{
    int windows = 0;
    forEachWindow(QStringLiteral(VT_DATA_DIR), "es", [&](QWidget &window) {
        ++windows;
        const bool grows = window.minimumSize() != window.maximumSize();
        for (const QSize growth : {QSize(0, 0), QSize(240, 160)}) {
            if (!growth.isNull() && !grows)
                continue;
            const auto panes = window.findChildren<ScriptPane *>();
            QList<QSize> before;
            for (const ScriptPane *pane : panes)
                before << pane->size();
            window.resize(window.size() + growth);
            for (qsizetype i = 0; i < panes.size(); ++i)
                EXPECT_EQ(panes[i]->size() - before[i], growth) << panes[i]->objectName().toStdString();
            QStringList faults;
            forEachPage(window, [&] { faults += layoutFaults(window); });
            EXPECT_EQ(faults.join(u'\n'), QString()) << window.metaObject()->className();
        }
    });
    EXPECT_EQ(windows, 6);
}

// A job is pictured at least at the design size and the program ends with 0;
// a file that is not a job ends it with 1; a dialog is pictured too.
TEST(SensorEditor, ScreenshotOrAnErrorCode)
{
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("editor.png"));
    const QString bad = dir.filePath(QStringLiteral("bad.xml"));
    QFile file(bad);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<JobDefinition><Definition>");
    file.close();
    for (const auto &[job, code] : {std::pair{sourcePath(QStringLiteral("examples/jobs/existing-job.xml")), 0},
                                    std::pair{bad, 1}}) {
        SCOPED_TRACE(job.toStdString());
        QProcess process;
        process.start(QStringLiteral(SENSOR_EDITOR_PATH), {job, QStringLiteral("--skin"), QStringLiteral("dark"),
                                                           QStringLiteral("--page"), QStringLiteral("EvaluationData"),
                                                           QStringLiteral("--screenshot"), png});
        ASSERT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), code);
        const QImage image(png);
        EXPECT_GE(image.width(), code ? -1 : 590);
        EXPECT_GE(image.height(), code ? -1 : 340);
    }
    // A dialog opened from another, pictured under a name relative to where
    // the program started (the wizard works in the job's folder).
    QProcess process;
    process.setWorkingDirectory(dir.path());
    process.start(QStringLiteral(SENSOR_EDITOR_PATH),
                  {sourcePath(QStringLiteral("examples/jobs/existing-job.xml")), QStringLiteral("--screenshot"),
                   QStringLiteral("nested.png"), QStringLiteral("--dialog"), QStringLiteral("cmdWizard/cmdEditCnnString/ODBC")});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    EXPECT_EQ(QImage(dir.filePath(QStringLiteral("nested.png"))).size(), QSize(440, 300));
}

} // namespace
