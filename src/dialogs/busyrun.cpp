#include "busyrun.h"

#include "script/scriptcontrol.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QSet>
#include <QThread>
#include <QTimer>
#include <QWindow>

#include <exception>
#include <memory>
#include <mutex>

namespace {

// The engines plan their recursion by the stack of the thread that runs
// them: as much as a main thread usually has.
constexpr uint kWorkerStack = 8u << 20;

// The script host of the worker, reachable from the GUI thread for stop();
// a stop that comes before the host exists is kept for it.
class StopSwitch
{
public:
    void attach(ScriptControl *control)
    {
        const std::lock_guard lock(m_lock);
        m_control = control;
        if (m_control && m_stopped)
            m_control->stop();
    }
    void stop()
    {
        const std::lock_guard lock(m_lock);
        m_stopped = true;
        if (m_control)
            m_control->stop();
    }

private:
    std::mutex m_lock;
    ScriptControl *m_control = nullptr;
    bool m_stopped = false;
};

// Keeps the user's input from the application while the scripts run, except
// for the Stop button; Esc stops; no window closes.
// Puts the bar at the foot of its window, in the middle.
void placeBar(QWidget &bar)
{
    const QWidget &window = *bar.parentWidget();
    const QSize size = bar.sizeHint();
    bar.setGeometry((window.width() - size.width()) / 2, window.height() - size.height() - 8, size.width(),
                    size.height());
}

class BusyInput : public QObject
{
public:
    BusyInput(StopSwitch &stop, QPointer<QFrame> &bar) : m_stop(stop), m_bar(bar) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::Resize:
            if (m_bar && watched == m_bar->parentWidget())
                placeBar(*m_bar);
            return false;
        case QEvent::KeyPress:
            if (static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape)
                m_stop.stop();
            return true;
        case QEvent::ShortcutOverride:
            // Taken, so that no shortcut of the window fires.
            event->accept();
            return true;
        case QEvent::Close:
            event->ignore();
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            // The window hands the click on to the widget under the mouse:
            // only there is it known whether that is the Stop button.
            return !watched->isWindowType() && !isStopButton(watched);
        default:
            return swallowedInput().contains(event->type());
        }
    }

private:
    // The rest of the user's input, which goes nowhere while a run lasts.
    static const QSet<int> &swallowedInput()
    {
        static const QSet<int> types = {QEvent::KeyRelease, QEvent::Shortcut,   QEvent::Wheel,
                                                 QEvent::ContextMenu, QEvent::TouchBegin, QEvent::TabletPress,
                                                 QEvent::DragEnter,  QEvent::Drop,       QEvent::InputMethod};
        return types;
    }

    bool isStopButton(QObject *watched) const
    {
        const QWidget *widget = qobject_cast<QWidget *>(watched);
        const QWidget *button = m_bar ? m_bar->findChild<QWidget *>(QStringLiteral("cmdStop")) : nullptr;
        return widget && button && (widget == button || button->isAncestorOf(widget));
    }

    StopSwitch &m_stop;
    QPointer<QFrame> &m_bar;
};

// The bar at the foot of the window: what is going on and how to end it.
QFrame *newBusyBar(QWidget *window, StopSwitch &stop, const PaneTexts &texts)
{
    auto *bar = new QFrame(window);
    bar->setObjectName(QStringLiteral("busyBar"));
    bar->setFrameShape(QFrame::StyledPanel);
    bar->setAutoFillBackground(true);
    auto *layout = new QHBoxLayout(bar);
    auto *label = new QLabel(texts.running, bar);
    label->setObjectName(QStringLiteral("lblBusy"));
    auto *button = new QPushButton(texts.stop, bar);
    button->setObjectName(QStringLiteral("cmdStop"));
    QObject::connect(button, &QPushButton::clicked, bar, [&stop] { stop.stop(); });
    layout->addWidget(label);
    layout->addWidget(button);
    placeBar(*bar);
    return bar;
}

} // namespace

void runScriptsBusy(QWidget *window, const std::function<void(ScriptControl &)> &work, const PaneTexts &texts)
{
    StopSwitch stop;
    std::exception_ptr failure;
    std::unique_ptr<QThread> worker(QThread::create([&] {
        try {
            ScriptControl control;
            stop.attach(&control);
            const auto detach = qScopeGuard([&] { stop.attach(nullptr); });
            work(control);
        } catch (...) {
            failure = std::current_exception();
        }
    }));
    worker->setStackSize(kWorkerStack);

    QPointer<QFrame> bar;
    BusyInput input(stop, bar);
    qApp->installEventFilter(&input);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restore = qScopeGuard([&] {
        qApp->removeEventFilter(&input);
        QApplication::restoreOverrideCursor();
    });

    QTimer showBar;
    showBar.setSingleShot(true);
    QObject::connect(&showBar, &QTimer::timeout, [&] {
        if (!window)
            return;
        bar = newBusyBar(window, stop, texts);
        bar->show();
        bar->raise();
    });
    const auto removeBar = qScopeGuard([&] { delete bar; });

    QEventLoop loop;
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    worker->start();
    showBar.start(BusyBarDelay);
    loop.exec();
    // The loop also ends when the application quits: the scripts are
    // stopped then, never left running on a thread nobody waits for.
    if (!worker->isFinished())
        stop.stop();
    worker->wait();
    if (failure)
        std::rethrow_exception(failure);
}
