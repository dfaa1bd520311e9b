#include "jscriptengine.h"

#include "jsbounds.h"
#include "jsbuiltins.h"
#include "jserrors.h"
#include "jshost.h"
#include "jspreprocess.h"
#include "errorcore/error.h"
#include "script/bridge/scripterror.h"
#include "script/bridge/variantconvert.h"
#include "script/engine/scriptrun.h"
#include "script/engine/watchdog.h"
#include "script/vbscript/errors.h"

#include <QCoreApplication>
#include <QHash>
#include <QJSEngine>
#include <QRegularExpression>
#include <QStringList>
#include <QThread>

#include <atomic>

namespace {

const QString kCompileSource = QStringLiteral("JScript compilation error");
const QString kRuntimeSource = QStringLiteral("JScript runtime error");

// Calls a function so that whatever it throws, an Error or any other value,
// comes back as data rather than as the call's ambiguous result.
const char *const kCaller = R"JS(
(function (f, args) {
    try {
        return { ok: true, value: f.apply(undefined, args) };
    } catch (e) {
        return { ok: false, error: e };
    }
})
)JS";

// A stack trace entry: "function:line:column:file".
struct Frame
{
    int line = 0;
    int column = -1;
    QString file;
};

Frame parseFrame(const QString &entry)
{
    static const QRegularExpression pattern(QStringLiteral("^[^:]*:(-?\\d+):(-?\\d+):(.*)$"));
    Frame frame;
    const QRegularExpressionMatch m = pattern.match(entry);
    if (m.hasMatch()) {
        frame.line = m.captured(1).toInt();
        frame.column = m.captured(2).toInt();
        frame.file = m.captured(3);
    }
    return frame;
}

// The first frame of an error's `stack` text ("function@file:line" per line)
// that lies in the script's own code rather than in the prelude.
Frame scriptFrame(const QString &stack)
{
    static const QRegularExpression pattern(QStringLiteral("@(.*):(\\d+)$"));
    for (const QString &entry : stack.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch m = pattern.match(entry);
        if (m.hasMatch() && !m.captured(1).endsWith(QLatin1String("prelude"))) {
            Frame frame;
            frame.file = m.captured(1);
            frame.line = m.captured(2).toInt();
            return frame;
        }
    }
    return {};
}

QString lineOf(const QString &code, int line)
{
    if (line <= 0)
        return {};
    QString text = code;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text.section(QLatin1Char('\n'), line - 1, line - 1);
}

// A number a script gave its error object (JScript style), or 0. Facility
// codes of the HRESULT form (0x800A1391) are reduced to the plain number.
long ownNumber(const QJSValue &error)
{
    const QJSValue number = error.property(QStringLiteral("number"));
    if (!number.isNumber())
        return 0;
    const auto n = static_cast<long long>(number.toNumber());
    if (n < 0 && ((static_cast<unsigned long long>(n) >> 16) & 0xFFFFu) == 0x800Au)
        return static_cast<long>(n & 0xFFFF);
    return static_cast<long>(n);
}

long numberForKind(const QString &name, const QString &message)
{
    const long number = jscriptError(name, message).number;
    return number != 0 ? number : 5022;
}

// Compiled JavaScript frames run a try's catch after an interrupt and then
// call on, so recursion inside try/catch would outlive the time-out; the
// interpreter unwinds every frame. Measured on Qt 6.4 (a million-call loop
// and a 20-million-step loop in one function): the compiler gained nothing
// measurable on this machine, and an interrupt ended the plain loop, a loop
// throwing inside try/catch and a recursion inside try/catch in both modes,
// so the interpreter costs nothing and keeps the one mode the reliability
// cases were proven in. Qt reads the switch once, when the first engine of
// the process starts, so it is set before that.
bool interpretOnly()
{
    static const bool set = qputenv("QV4_FORCE_INTERPRETER", "1");
    return set;
}

} // namespace

struct JScriptEngine::Private
{
    Private()
        : interpreted(interpretOnly()), host(&engine), watchdog([this] { engine.setInterrupted(true); })
    {
        host.install();
        engine.evaluate(QString::fromUtf8(kBoundsPrelude), QStringLiteral("bounds-prelude"))
            .call({engine.newQObject(&host), bridge::kMaxNesting, kMaxCodeNesting,
                   static_cast<double>(bridge::kMaxElements)});
        caller = engine.evaluate(QString::fromUtf8(kCaller), QStringLiteral("caller"));
        // Where the front end's line stamps go: fixed, whatever a script assigns.
        engine.evaluate(QStringLiteral("Object.defineProperty(this, '%1', {value: [0]});")
                            .arg(QLatin1String(JsFrontEnd::kStampHolder)));
        stamps = engine.globalObject().property(QLatin1String(JsFrontEnd::kStampHolder));
        dialect.install(engine, &frontEnd);
        functionConstructor = engine.globalObject().property(QStringLiteral("Function"));
    }

    bool interpreted;
    QJSEngine engine;
    JsHost host;
    JsDialect dialect;
    JsFrontEnd frontEnd; // conditional compilation stays on across addCode
    QJSValue caller;
    QJSValue stamps; // [the last line stamp]
    QJSValue functionConstructor; // as the engine started, whatever a script assigns
    std::atomic<bool> stopped{false};
    QHash<QString, QString> sources; // file name -> code, for the error's line text
    int units = 0;
    Watchdog watchdog;
};

JScriptEngine::JScriptEngine()
    : d(std::make_unique<Private>()), m_run(std::make_shared<const ScriptRun>(std::chrono::milliseconds(0), 0))
{
}

JScriptEngine::~JScriptEngine()
{
    d.reset();
    // Handles the collector freed after the host's last release are only
    // queued for deletion; without an event loop to run the queue, their
    // objects would outlive the engine.
    if (QThread::currentThread()->loopLevel() == 0)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

namespace {

// Fills `info` from a thrown value.
ScriptErrorInfo describe(const QJSValue &thrown, const QStringList &stack,
                         const QHash<QString, QString> &sources, bool compiling, const JsDialect *dialect = nullptr)
{
    ScriptErrorInfo info;
    const bool isError = thrown.isError() || thrown.property(QStringLiteral("message")).isString();
    const QString name = isError ? thrown.property(QStringLiteral("name")).toString() : QString();
    const QString message = isError ? thrown.property(QStringLiteral("message")).toString() : thrown.toString();

    const Frame top = stack.isEmpty() ? Frame() : parseFrame(stack.first());
    // A compile error's frame names no function: ":line:column:file".
    const bool compileError = compiling && name == QLatin1String("SyntaxError") && !stack.isEmpty()
        && stack.first().startsWith(QLatin1Char(':'));

    info.Number = ownNumber(thrown);
    if (info.Number == 0)
        info.Number = isError ? numberForKind(name, message) : 5022;
    const QJSValue ownDescription = thrown.property(QStringLiteral("description"));
    info.Description = ownDescription.isString() ? ownDescription.toString() : message;
    const QJSValue ownSource = thrown.property(QStringLiteral("source"));
    info.Source = compileError ? kCompileSource : (ownSource.isString() && !ownSource.toString().isEmpty() ? ownSource.toString() : kRuntimeSource);

    QString file = thrown.property(QStringLiteral("fileName")).toString();
    int line = thrown.property(QStringLiteral("lineNumber")).toInt();
    if (file.endsWith(QLatin1String("prelude"))) {
        // Raised by an automation object: the line is where the script called it.
        const Frame frame = scriptFrame(thrown.property(QStringLiteral("stack")).toString());
        line = frame.line;
        file = frame.file;
    }
    if (line <= 0) {
        line = top.line;
        file = top.file;
    }
    if (dialect) {
        // What a throw statement threw: the line of the throw.
        if (const JsDialect::ThrowSite site = dialect->throwSite(thrown); site.line > 0) {
            line = site.line;
            file = QStringLiteral("code-%1").arg(site.unit);
        }
    }
    info.Line = line > 0 ? line : 0;
    info.Column = compileError && top.column > 0 ? top.column - 1 : 0;
    if (file.startsWith(QLatin1String("file:")))
        file = file.mid(5);
    info.Text = lineOf(sources.value(file), info.Line);
    return info;
}

// The watchdog's watch over one addCode or run: armed from construction
// until finish() (or the end of the scope), after which the engine takes
// calls again.
class WatchedCall
{
public:
    WatchedCall(JScriptEngine::Private &d, const ScriptRun &run)
        : m_d(d), m_run(run)
    {
        m_d.stamps.setProperty(0, 0);
        m_d.watchdog.arm(run);
        // The end of the previous call may have cleared an earlier stop().
        if (m_d.stopped)
            m_d.engine.setInterrupted(true);
    }
    ~WatchedCall() { finish(); }
    WatchedCall(const WatchedCall &) = delete;
    WatchedCall &operator=(const WatchedCall &) = delete;

    // Stops watching; tells whether the time-out or the memory budget struck.
    Watchdog::Fired finish()
    {
        if (!m_finished) {
            m_finished = true;
            m_fired = m_d.watchdog.disarm();
            m_d.engine.setInterrupted(false);
        }
        return m_fired;
    }

    // Stops watching and gives the error that ends the call when it was
    // stopped (time, memory or stop()), at the line of the last stamp the
    // run passed; Number 0 when nothing stopped it.
    ScriptErrorInfo stoppedError();
    // Ends a failed call: `error` becomes the stop's error if it was stopped; false.
    bool failed(ScriptErrorInfo &error)
    {
        if (ScriptErrorInfo stopped = stoppedError(); stopped.Number != 0) {
            if (stopped.Line == 0) {
                // No stamp passed: where the engine said the script was.
                stopped.Line = error.Line;
                stopped.Column = error.Column;
                stopped.Text = error.Text;
            }
            error = stopped;
        }
        return false;
    }

private:
    JScriptEngine::Private &m_d;
    const ScriptRun &m_run;
    bool m_finished = false;
    Watchdog::Fired m_fired = Watchdog::Fired::No;
};

ScriptErrorInfo WatchedCall::stoppedError()
{
    const Watchdog::Fired fired = finish();
    ScriptErrorInfo info;
    if (fired == Watchdog::Fired::No && !m_d.stopped)
        return info;
    if (m_d.stopped) {
        info.Number = vbs::kCancelledError;
        info.Description = stopDescription();
    } else if (fired == Watchdog::Fired::Memory) {
        info.Number = static_cast<long>(vbs::RuntimeError::OutOfMemory);
        info.Description = memoryDescription(m_run.memoryBudget());
    } else {
        info.Number = vbs::kCancelledError;
        info.Description = timeoutDescription(m_run.timeLimit());
    }
    info.Source = kRuntimeSource;
    const int stamp = m_d.stamps.property(0).toInt();
    if (const int line = JsFrontEnd::stampLine(stamp); line > 0) {
        info.Line = line;
        info.Text = lineOf(m_d.sources.value(QStringLiteral("code-%1").arg(JsFrontEnd::stampUnit(stamp))), line);
    }
    return info;
}

// What left a call as a C++ exception (a value past the bounds of its
// conversion, memory that ran out) as the call's error.
ScriptErrorInfo caught(std::exception_ptr failure)
{
    ScriptErrorInfo info;
    try {
        std::rethrow_exception(failure);
    } catch (const vbs::ScriptException &e) {
        info = bridge::errorInfo(e.error);
    } catch (...) {
        const Error e = toError(std::current_exception());
        info.Number = e.number;
        info.Description = e.description;
    }
    info.Source = kRuntimeSource;
    return info;
}

// Code whose parentheses nest deeper than the engine's compiler can follow
// (it compiles a regular expression literal recursively).
bool tooDeep(const JsHost &host, const QString &code, ScriptErrorInfo &error)
{
    if (host.nesting(code) <= kMaxCodeNesting)
        return false;
    error.Number = static_cast<long>(vbs::RuntimeError::OutOfStackSpace);
    error.Description = QStringLiteral("Out of stack space: the code nests parentheses deeper than %1 levels")
                            .arg(kMaxCodeNesting);
    error.Source = kCompileSource;
    return true;
}

// What the front end refused (an unterminated string or comment, a
// conditional-compilation error) as a compile error.
ScriptErrorInfo frontEndError(const JsFrontEnd::Failure &failure, const QString &code)
{
    ScriptErrorInfo info;
    info.Number = failure.number;
    info.Description = failure.description;
    info.Source = kCompileSource;
    info.Line = failure.line;
    info.Column = failure.column;
    info.Text = lineOf(code, failure.line);
    return info;
}

// A compile error at the end of a text that leaves a bracket open is
// reported as JScript reports it ("Expected '}'"); the place of any other
// is the place in the text, not in the code the front end made of it.
void unclosedBracket(const JsFrontEnd &frontEnd, const QString &code, ScriptErrorInfo &error)
{
    if (error.Source == kCompileSource && error.Line > 0)
        error.Column = frontEnd.sourceColumn(error.Line, error.Column);
    if (error.Source == kCompileSource && error.Line == 0 && error.Number == 28) {
        // Too deep for the engine's compiler, which does not say where.
        error.Line = frontEnd.busiestLine();
        error.Text = lineOf(code, error.Line);
    }
    if (error.Source == kCompileSource && frontEnd.unclosed().number != 0 && error.Line >= frontEnd.unclosed().line)
        error = frontEndError(frontEnd.unclosed(), code);
}

} // namespace

void JScriptEngine::setRun(std::shared_ptr<const ScriptRun> run)
{
    m_run = std::move(run);
}

template <class Body>
bool JScriptEngine::guarded(Body &&body)
{
    m_error = ScriptErrorInfo();
    try {
        return body();
    } catch (...) {
        m_error = caught(std::current_exception());
        return false;
    }
}

bool JScriptEngine::addCode(const QString &code)
{
    return guarded([&] { return add(code); });
}

bool JScriptEngine::add(const QString &code)
{
    if (tooDeep(d->host, code, m_error))
        return false;
    QString translated;
    JsFrontEnd::Failure failure;
    if (!d->frontEnd.translate(code, translated, failure, d->units + 1)) {
        m_error = frontEndError(failure, code);
        return false;
    }
    const QString file = QStringLiteral("code-%1").arg(d->units + 1);
    d->sources.insert(file, code);
    ++d->units;

    QStringList stack;
    WatchedCall watched(*d, *m_run);
    if (d->stopped)
        return watched.failed(m_error);
    const QJSValue result = d->engine.evaluate(translated, file, 1, &stack);
    // A thrown value that is no Error object still leaves a stack trace.
    if (!result.isError() && stack.isEmpty())
        return !d->stopped || watched.failed(m_error);
    // Reading the thrown value may run the script's own getters and
    // toString: the watchdog still watches.
    m_error = describe(result, stack, d->sources, true, &d->dialect);
    unclosedBracket(d->frontEnd, code, m_error);
    return watched.failed(m_error);
}

void JScriptEngine::setOutput(ScriptOutput output)
{
    d->host.setOutput(std::move(output));
}

void JScriptEngine::stop()
{
    d->stopped = true;
    d->engine.setInterrupted(true);
}

bool JScriptEngine::check(const QString &code)
{
    return guarded([&] { return compile(code); });
}

bool JScriptEngine::compile(const QString &code)
{
    if (d->stopped) {
        m_error.Number = vbs::kCancelledError;
        m_error.Description = stopDescription();
        m_error.Source = kRuntimeSource;
        return false;
    }
    if (tooDeep(d->host, code, m_error))
        return false;
    // A check changes nothing: conditional compilation it turns on stays off.
    JsFrontEnd frontEnd = d->frontEnd;
    QString translated;
    JsFrontEnd::Failure failure;
    if (!frontEnd.translate(code, translated, failure, d->units + 1)) {
        m_error = frontEndError(failure, code);
        return false;
    }
    const QString file = QStringLiteral("code-%1").arg(++d->units);
    d->sources.insert(file, code);
    // The code is compiled as the body of a function that is never called,
    // in a program whose first statement throws: the whole program is
    // compiled before anything runs, so a syntax error comes back with its
    // place, and otherwise the throw ends the program before the function
    // expression, whatever the code does to close it early ("}); x(); (").
    // The opening stands on a line of its own, numbered 0, so the code's
    // lines keep their numbers.
    QStringList stack;
    const QJSValue result = d->engine.evaluate(QStringLiteral("throw 0; (function () {\n") + translated + QStringLiteral("\n})"),
                                               file, 0, &stack);
    if (result.isError()) {
        m_error = describe(result, stack, d->sources, true);
        unclosedBracket(frontEnd, code, m_error);
        return false;
    }
    // Compiled alone as a function body, the code must stand too: this
    // catches code that closes the wrapper and opens another.
    const QJSValue alone = d->functionConstructor.callAsConstructor({translated});
    if (!alone.isError())
        return true;
    m_error = describe(alone, {}, d->sources, false);
    m_error.Number = 1002;
    m_error.Source = kCompileSource;
    return false;
}

bool JScriptEngine::run(const QString &name, QVariantList &args, QVariant &result)
{
    result = QVariant();
    return guarded([&] { return call(name, args, result); });
}

bool JScriptEngine::call(const QString &name, QVariantList &args, QVariant &result)
{
    const QJSValue function = d->engine.globalObject().property(name);
    if (!function.isCallable()) {
        m_error.Number = 5009;
        m_error.Description = QStringLiteral("'%1' is undefined").arg(name);
        m_error.Source = kRuntimeSource;
        return false;
    }

    QJSValue jsArgs = d->engine.newArray(static_cast<uint>(args.size()));
    for (qsizetype i = 0; i < args.size(); ++i)
        jsArgs.setProperty(static_cast<quint32>(i), d->host.toJs(bridge::toVariant(args[i], QObjectAdapter::Ownership::Caller)));

    // Reading what the function threw or returned may run the script's own
    // getters and toString, so the watchdog watches until all is read.
    WatchedCall watched(*d, *m_run);
    if (d->stopped)
        return watched.failed(m_error);
    const QJSValue outcome = d->caller.call({function, jsArgs});
    if (outcome.isError() || !outcome.property(QStringLiteral("ok")).toBool()) {
        const QJSValue thrown = outcome.isError() ? outcome : outcome.property(QStringLiteral("error"));
        m_error = describe(thrown, {}, d->sources, false, &d->dialect);
        return watched.failed(m_error);
    }

    // Arrays are shared with the function: carry back what it changed in them.
    QVariantList written = args;
    QVariant value;
    try {
        for (qsizetype i = 0; i < args.size(); ++i) {
            const QJSValue passed = jsArgs.property(static_cast<quint32>(i));
            if (passed.isArray())
                written[i] = bridge::toResult(d->host.fromJs(passed, true));
        }
        value = bridge::toResult(d->host.fromJs(outcome.property(QStringLiteral("value")), true));
    } catch (const JsThrown &thrown) {
        m_error = describe(thrown.value, {}, d->sources, false);
        return watched.failed(m_error);
    } catch (...) {
        m_error = caught(std::current_exception());
        return watched.failed(m_error);
    }
    if (ScriptErrorInfo stopped = watched.stoppedError(); stopped.Number != 0) {
        m_error = stopped;
        return false;
    }
    args = written;
    result = value;
    return true;
}
