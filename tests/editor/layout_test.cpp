// The layout of every window, by the promises of its design: each control
// inside its parent, no two over each other, Tab in reading order, and the
// script panes taking what the window grows; sensor-editor run as a user
// runs it, with --screenshot writing a picture of the window.
#include "windows.h"

#include <QImage>
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
// a file that is not a job ends it with 1.
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
}

} // namespace
