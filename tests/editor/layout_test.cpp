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

// A focus stop by the name a user knows it by: a tool button by its tool's,
// a tab bar by its tab widget's, a box inside a control by the control's.
QString stopName(const QWidget *stop)
{
    const QWidget *parent = stop->parentWidget();
    const auto *tool = qobject_cast<const QToolButton *>(stop);
    return parent && parent->focusProxy() == stop ? stopName(parent)
        : tool && tool->defaultAction() && stop->objectName().isEmpty() ? tool->defaultAction()->objectName()
        : qobject_cast<const QTabBar *>(stop) ? parent->objectName() + QStringLiteral(".tabs")
                                              : stop->objectName();
}

// What Tab is to reach in `window`, sorted: each control on view, enabled
// and taking the focus by Tab; of a group of radio buttons the chosen one.
QStringList tabStops(const QWidget &window)
{
    QStringList stops;
    for (const QWidget *control : window.findChildren<QWidget *>()) {
        const auto *radio = qobject_cast<const QRadioButton *>(control);
        if (control->isVisibleTo(&window) && control->isEnabled() && (control->focusPolicy() & Qt::TabFocus)
            && !control->focusProxy() && !(radio && radio->autoExclusive() && !radio->isChecked()))
            stops << stopName(control);
    }
    stops.sort();
    return stops;
}

// Tab takes a user round every control of every page of every window once,
// from the first in the window's order until back there. Out of a box where
// Tab is typed Ctrl+Tab leaves; where it turns the page instead (the
// editor's panes, the last stop of their page) the round ends.
TEST(Layout, TabGoesRoundEveryControlOnce)
{
    forEachWindow(QStringLiteral(VT_DATA_DIR), "en", [&](QWidget &window) {
        forEachPage(window, [&] {
            const QStringList stops = tabStops(window);
            QStringList round;
            QApplication::setActiveWindow(&window);
            window.setFocus();
            QTest::keyClick(&window, Qt::Key_Tab);
            QWidget *focus = nullptr;
            while ((focus = QApplication::focusWidget()) && !round.contains(stopName(focus))
                   && tabStops(window) == stops) {
                round << stopName(focus);
                const auto *box = qobject_cast<const QPlainTextEdit *>(focus);
                const bool typed = box && !box->tabChangesFocus() && !box->isReadOnly();
                QTest::keyClick(focus, Qt::Key_Tab, typed ? Qt::ControlModifier : Qt::NoModifier);
            }
            round.sort();
            EXPECT_EQ(round.join(u' '), stops.join(u' ')) << window.metaObject()->className();
        });
    });
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
// a file that is not a job ends it with 1. A dialog is pictured as the steps
// reach it (the connection dialog is 440 pixels wide), under a name taken
// from where the program started (the wizard works in the job's folder); a
// step that finds nothing ends it with 1, named.
TEST(SensorEditor, ScreenshotOrAnErrorCode)
{
    QTemporaryDir dir;
    const QString bad = dir.filePath(QStringLiteral("bad.xml"));
    const QString job = sourcePath(QStringLiteral("examples/jobs/existing-job.xml"));
    QFile file(bad);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<JobDefinition><Definition>");
    file.close();
    const struct
    {
        QString job;
        QStringList options;
        int code, minWidth, maxWidth;
        const char *said;
    } cases[] = {
        {job, {"--skin", "dark", "--page", "EvaluationData"}, 0, 590, 4000, ""},
        {bad, {}, 1, 0, 4000, ""},
        {job, {"--dialog", "cmdWizard/rtfCnnString=DSN=Sales/cmdEditCnnString/ODBC"}, 0, 440, 440, ""},
        {job, {"--dialog", "cmdWizard/cmdNope"}, 1, 0, 0, "no tool, button or page cmdNope in Database Connection Wizard"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.options.join(u' ').toStdString());
        QFile::remove(dir.filePath(QStringLiteral("shot.png")));
        QProcess process;
        process.setWorkingDirectory(dir.path());
        process.start(QStringLiteral(SENSOR_EDITOR_PATH), QStringList{c.job, "--screenshot", "shot.png"} + c.options);
        ASSERT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), c.code);
        EXPECT_TRUE(process.readAllStandardError().contains(c.said));
        const QImage image(dir.filePath(QStringLiteral("shot.png")));
        EXPECT_TRUE(image.width() >= c.minWidth && image.width() <= c.maxWidth) << image.width();
        EXPECT_GE(image.height(), c.code ? 0 : 295);
    }
}

} // namespace
