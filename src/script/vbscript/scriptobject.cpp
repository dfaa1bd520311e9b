#include "scriptobject.h"

#include "array.h"
#include "errors.h"
#include "interpreter.h"
#include "operators.h"
#include "text.h"

#include <atomic>

namespace vbs {

using namespace ast;

namespace {
std::atomic<std::size_t> g_liveObjects{0};
} // namespace

std::size_t ScriptObject::liveCount() noexcept
{
    return g_liveObjects.load();
}

ScriptObject::ScriptObject(Interpreter &interp, ClassDecl &cls)
    : m_memory(sizeof(ScriptObject) + cls.fields.size() * sizeof(Variant)), m_interp(interp), m_cls(cls),
      m_alive(interp.aliveToken()), m_typeName(cls.name)
{
    fields.resize(cls.fields.size());
    for (std::size_t i = 0; i < cls.fields.size(); ++i) {
        const FieldDecl &f = cls.fields[i];
        if (!f.hasDims)
            continue;
        if (f.dims.empty()) {
            fields[i] = Variant(Array::createEmpty());
        } else {
            std::vector<Array::Bound> bounds;
            for (std::int32_t d : f.dims)
                bounds.push_back(Array::upTo(d));
            fields[i] = Variant(Array::create(std::move(bounds), true));
        }
    }
    // Listed last: a field that cannot be made (7) leaves no instance behind.
    ++g_liveObjects;
    m_nextLive = interp.m_liveObjects;
    if (m_nextLive)
        m_nextLive->m_prevLive = this;
    interp.m_liveObjects = this;
}

ScriptObject::~ScriptObject()
{
    --g_liveObjects;
    if (!*m_alive)
        return; // the engine's list is gone with it
    if (m_prevLive)
        m_prevLive->m_nextLive = m_nextLive;
    else
        m_interp.m_liveObjects = m_nextLive;
    if (m_nextLive)
        m_nextLive->m_prevLive = m_prevLive;
}

void ScriptObject::finalRelease() noexcept
{
    if (!m_terminated && initialized && *m_alive && m_cls.terminate) {
        m_terminated = true;
        addRef(); // Me is valid while Class_Terminate runs
        try {
            m_interp.callProcedure(m_cls.terminate, this, {});
        } catch (...) {
            // An error in Class_Terminate is not reported anywhere.
        }
        if (!dropTemporaryRef())
            return; // the terminator stored Me somewhere: it lives on
    }
    delete this;
}

int ScriptObject::findMember(const std::u16string &folded, bool fromInside) const
{
    if (!*m_alive)
        raiseError(RuntimeError::ActionNotSupported);
    if (folded.empty())
        return -1;
    const auto it = m_cls.memberIndex.find(folded);
    if (it == m_cls.memberIndex.end())
        raiseError(RuntimeError::MemberNotSupported);
    if (!fromInside && !m_cls.members[static_cast<std::size_t>(it->second)].isPublic)
        raiseError(RuntimeError::MemberNotSupported);
    return it->second;
}

Variant ScriptObject::getMember(int member, ArgRefs args)
{
    if (!*m_alive)
        raiseError(RuntimeError::ActionNotSupported);
    if (member < 0) {
        member = m_cls.defaultMember;
        if (member < 0)
            raiseError(RuntimeError::MemberNotSupported);
    }
    Ref<Object> keep(this);
    const ClassMember &m = m_cls.members[static_cast<std::size_t>(member)];
    if (m.field >= 0) {
        Variant &f = fields[static_cast<std::size_t>(m.field)];
        if (args.empty())
            return f;
        if (f.isArray()) {
            std::vector<std::int32_t> idx;
            for (Variant *a : args)
                idx.push_back(a->isObject() ? a->valueOf().toLong() : a->toLong());
            return f.array()->at(idx);
        }
        if (f.isObject() && f.object())
            return f.object()->get(u"", args);
        raiseError(RuntimeError::MemberNotSupported); // a plain field takes no index
    }
    if (m.get)
        return m_interp.callProcedure(m.get, this, args);
    if (m.method)
        return m_interp.callProcedure(m.method, this, args);
    raiseError(RuntimeError::MemberNotSupported);
}

void ScriptObject::letMember(int member, ArgRefs args, const Variant &value, bool isSet)
{
    if (!*m_alive)
        raiseError(RuntimeError::ActionNotSupported);
    if (member < 0) {
        member = m_cls.defaultMember;
        if (member < 0)
            raiseError(RuntimeError::MemberNotSupported);
    }
    Ref<Object> keep(this);
    const ClassMember &m = m_cls.members[static_cast<std::size_t>(member)];
    if (m.field >= 0) {
        Variant &f = fields[static_cast<std::size_t>(m.field)];
        if (args.empty()) {
            f = isSet || !value.isObject() ? value : value.valueOf();
            return;
        }
        if (f.isArray()) {
            if (f.array()->refCount() > 1)
                f = Variant(f.array()->clone());
            std::vector<std::int32_t> idx;
            for (Variant *a : args)
                idx.push_back(a->isObject() ? a->valueOf().toLong() : a->toLong());
            f.array()->at(idx) = isSet || !value.isObject() ? value : value.valueOf();
            return;
        }
        if (f.isObject() && f.object()) {
            if (isSet)
                f.object()->set(u"", args, value);
            else
                f.object()->let(u"", args, value.isObject() ? value.valueOf() : value);
            return;
        }
        raiseError(RuntimeError::MemberNotSupported);
    }
    // Set needs a Property Set and Let a Property Let: neither stands in
    // for the other.
    ProcDecl *setter = isSet ? m.set : m.let;
    if (!setter) {
        if (m.get && args.empty() && !isSet) {
            // Assigning to the default member of what a Property Get returns.
            raiseError(RuntimeError::WrongArgumentCount);
        }
        raiseError(m.method ? RuntimeError::WrongArgumentCount : RuntimeError::MemberNotSupported);
    }
    std::vector<Variant *> all(args.begin(), args.end());
    Variant copy = value;
    all.push_back(&copy);
    m_interp.callProcedure(setter, this, all);
}

Variant ScriptObject::get(std::u16string_view name, ArgRefs args)
{
    return getMember(findMember(foldCase(name), false), args);
}

void ScriptObject::let(std::u16string_view name, ArgRefs args, const Variant &value)
{
    letMember(findMember(foldCase(name), false), args, value, false);
}

void ScriptObject::set(std::u16string_view name, ArgRefs args, const Variant &value)
{
    letMember(findMember(foldCase(name), false), args, value, true);
}

void ScriptObject::call(std::u16string_view name, ArgRefs args)
{
    getMember(findMember(foldCase(name), false), args);
}

// --- Err ---------------------------------------------------------------------

namespace {

// The number Err.Raise records: 1 .. 65535 as given, a negative number as a
// system code, where the engine's own facility and "out of memory" read as
// the engine's numbers. Zero and numbers above 65535 raise 5.
long raisedNumber(long number)
{
    if (number == 0 || number > 0xFFFF)
        raiseError(RuntimeError::InvalidProcedureCall);
    const unsigned long code = static_cast<std::uint32_t>(number);
    if ((code >> 16) == 0x800Au)
        return static_cast<long>(code & 0xFFFFu);
    if (code == 0x8007000Eu)
        return static_cast<long>(RuntimeError::OutOfMemory);
    return number;
}

} // namespace

namespace {

// The texts of an error travel outside the budget, copied into every
// report: they keep at most this many units of what a script gives them.
constexpr std::size_t kErrorTextLimit = 1 << 16;

std::u16string errText(const Variant &value)
{
    const Variant plain = value.valueOf();
    if (plain.isString())
        return std::u16string(std::u16string_view(plain.string()).substr(0, kErrorTextLimit));
    std::u16string text = plain.toString();
    text.resize(std::min(text.size(), kErrorTextLimit));
    return text;
}

} // namespace

ErrObject::ErrObject(Interpreter &interp) : m_interp(interp), m_alive(interp.aliveToken()) {}

Variant ErrObject::get(std::u16string_view name, ArgRefs args)
{
    if (!*m_alive)
        raiseError(RuntimeError::ActionNotSupported);
    ScriptError &e = m_interp.errState();
    const std::u16string key = foldCase(name);
    if (key.empty() || key == u"number") {
        if (!args.empty())
            raiseError(RuntimeError::WrongArgumentCount);
        return Variant::fromLong(static_cast<std::int32_t>(e.number));
    }
    if (key == u"description")
        return Variant(e.description);
    if (key == u"source")
        return Variant(e.source);
    if (key == u"helpfile")
        return Variant(e.helpFile);
    if (key == u"helpcontext")
        return Variant::fromLong(static_cast<std::int32_t>(e.helpContext));
    if (key == u"clear") {
        e = ScriptError();
        return Variant();
    }
    if (key == u"raise") {
        if (args.empty() || args.size() > 5)
            raiseError(RuntimeError::WrongArgumentCount);
        auto present = [&](std::size_t i) { return i < args.size() && !args[i]->isMissing(); };
        const long number = raisedNumber(args[0]->valueOf().toLong());
        // A field not passed keeps what Err holds, when it holds something.
        ScriptError raised = runtimeError(number);
        if (present(1))
            raised.source = errText(*args[1]);
        else if (!e.source.empty())
            raised.source = e.source;
        if (present(2))
            raised.description = errText(*args[2]);
        else if (!e.description.empty())
            raised.description = e.description;
        if (present(3))
            raised.helpFile = errText(*args[3]);
        else if (!e.helpFile.empty())
            raised.helpFile = e.helpFile;
        if (present(4))
            raised.helpContext = args[4]->valueOf().toLong();
        else if (e.helpContext)
            raised.helpContext = e.helpContext;
        throw ScriptException(std::move(raised));
    }
    raiseError(RuntimeError::MemberNotSupported);
}

void ErrObject::let(std::u16string_view name, ArgRefs args, const Variant &value)
{
    if (!*m_alive)
        raiseError(RuntimeError::ActionNotSupported);
    if (!args.empty())
        raiseError(RuntimeError::WrongArgumentCount);
    ScriptError &e = m_interp.errState();
    const std::u16string key = foldCase(name);
    if (key.empty() || key == u"number")
        e.number = value.toLong();
    else if (key == u"description")
        e.description = errText(value);
    else if (key == u"source")
        e.source = errText(value);
    else if (key == u"helpfile")
        e.helpFile = errText(value);
    else if (key == u"helpcontext")
        e.helpContext = value.toLong();
    else
        raiseError(RuntimeError::MemberNotSupported);
}

// --- Me outside a class --------------------------------------------------------

GlobalScopeObject::GlobalScopeObject(Interpreter &interp) : m_interp(interp), m_alive(interp.aliveToken()) {}

Variant GlobalScopeObject::get(std::u16string_view name, ArgRefs args)
{
    if (!*m_alive)
        raiseError(RuntimeError::MemberNotSupported);
    const int slot = m_interp.m_globals.find(foldCase(name));
    if (name.empty() || slot < 0)
        raiseError(RuntimeError::MemberNotSupported);
    GlobalSlot &g = m_interp.m_globals[slot];
    if (g.proc)
        return m_interp.callProcedure(g.proc, nullptr, args);
    if (!g.defined || g.cls)
        raiseError(RuntimeError::MemberNotSupported);
    return m_interp.indexValue(g.value, args, false);
}

void GlobalScopeObject::let(std::u16string_view name, ArgRefs args, const Variant &value)
{
    const int slot = *m_alive && !name.empty() && args.empty() ? m_interp.m_globals.find(foldCase(name)) : -1;
    if (slot < 0 || m_interp.m_globals[slot].proc || m_interp.m_globals[slot].cls)
        raiseError(RuntimeError::MemberNotSupported);
    GlobalSlot &g = m_interp.m_globals[slot];
    if (g.isConst)
        raiseError(RuntimeError::IllegalAssignment);
    g.value = value;
    g.defined = true;
}

// --- GetRef ------------------------------------------------------------------

ProcRef::ProcRef(Interpreter &interp, ProcDecl &proc) : m_interp(interp), m_proc(proc), m_alive(interp.aliveToken()) {}

Variant ProcRef::get(std::u16string_view name, ArgRefs args)
{
    if (!name.empty() || !*m_alive)
        raiseError(RuntimeError::MemberNotSupported);
    return m_interp.callProcedure(&m_proc, nullptr, args);
}

} // namespace vbs
