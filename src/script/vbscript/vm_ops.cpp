// What instructions do beyond the loop's short ways: names, the general
// operators, calls through objects and built-ins, assignment to members and
// elements (loop heads, ReDim and Erase: vm_loops.cpp).
#include "array.h"
#include "fast_ops.h"
#include "interpreter.h"
#include "operators.h"
#include "scriptobject.h"
#include "text.h"

namespace vbs {

using namespace ast;
using vm::Op;
namespace flag = vm::flag;

namespace {

std::int32_t indexOf(const Variant &v)
{
    return v.isObject() ? v.valueOf().toLong() : v.toLong();
}

Variant &element(Array &a, ArgRefs args)
{
    std::int32_t small[8];
    std::vector<std::int32_t> big;
    std::int32_t *idx = small;
    if (args.size() > 8) {
        big.resize(args.size());
        idx = big.data();
    }
    for (std::size_t i = 0; i < args.size(); ++i)
        idx[i] = indexOf(*args[i]);
    return a.at(std::span<const std::int32_t>(idx, args.size()));
}

// The array of a variable, copied first when another variable shares it.
Array &writableArray(Variant &slot)
{
    if (slot.array()->refCount() > 1)
        slot = Variant(slot.array()->clone());
    return *slot.array();
}

// What a Let assignment stores: objects give their default value, Nothing is 91.
Variant letValue(const Variant &v)
{
    return v.isObject() ? v.valueOf() : v;
}

bool isAssignment(Op op)
{
    return op == Op::LetIndexed || op == Op::LetMe || op == Op::LetMember || op == Op::LetValue;
}

} // namespace

// --- registers and arguments ---------------------------------------------------------

void Interpreter::clearTemp(Frame *f, Word r)
{
    if (r >= f->code->named && r < f->code->own) {
        f->values()[r] = Variant();
        f->R[r] = f->values() + r;
    }
}

void Interpreter::gather(const Frame *f, const Word *pc, Args &out)
{
    const Word argc = pc[2];
    Variant **to = out.inline_;
    if (argc > 8) {
        out.more.resize(argc);
        to = out.more.data();
    }
    // A named register is a variable; a temporary is one when it points
    // elsewhere than its own value (an element, a global); constants are not.
    const vm::Code &code = *f->code;
    const Variant *values = const_cast<Frame *>(f)->values();
    std::uint64_t references = 0;
    for (Word i = 0; i < argc; ++i) {
        const Word r = pc[3 + i];
        to[i] = f->R[r];
        if (i < 64 && r < code.own && (r < code.named || f->R[r] != values + r))
            references |= std::uint64_t(1) << i;
    }
    out.refs = ArgRefs(to, argc);
    noteArguments(out.refs, references);
}

const Interpreter::Word *Interpreter::release(Frame *f, const Word *pc)
{
    const Word w = *pc;
    const Word argc = pc[2];
    if (w & flag::Scrub)
        for (Word i = 0; i < argc; ++i)
            clearTemp(f, pc[3 + i]);
    const Word *extra = pc + 3 + argc;
    if (w & flag::T1)
        clearTemp(f, extra[0]);
    if ((w & flag::T0) && isAssignment(vm::opOf(w)))
        clearTemp(f, pc[1]);
    return extra + vm::operandWords(vm::opOf(w));
}

// --- names -------------------------------------------------------------------------

void Interpreter::notDefined(const std::u16string &name, bool explicitOnly) const
{
    if (explicitOnly)
        raiseNameError(RuntimeError::VariableUndefined, name);
    raiseNameError(RuntimeError::TypeMismatch, name);
}

Variant *Interpreter::variableRef(const Binding &b, bool forWrite)
{
    switch (b.kind) {
    case Binding::Local: return m_frame->R[b.slot];
    case Binding::LocalOrGlobal: {
        GlobalSlot &g = m_globals[b.slot2];
        if (g.defined)
            return (g.proc || g.cls) ? nullptr : &g.value;
        if (b.explicitOnly)
            raiseError(RuntimeError::VariableUndefined);
        return m_frame->R[b.slot];
    }
    case Binding::Global: {
        GlobalSlot &g = m_globals[b.slot];
        if (g.proc || g.cls)
            return nullptr;
        if (!g.defined) {
            if (b.explicitOnly)
                raiseError(RuntimeError::VariableUndefined);
            if (forWrite)
                g.defined = true;
        }
        if (forWrite && g.isConst)
            raiseError(RuntimeError::IllegalAssignment);
        return &g.value;
    }
    case Binding::Field: return &requireMe()->fields[static_cast<std::size_t>(b.slot)];
    default: return nullptr;
    }
}

Variant *Interpreter::nameRef(const vm::Name &n, bool forWrite)
{
    try {
        return variableRef(n.binding, forWrite);
    } catch (ScriptException &e) {
        if (e.error.is(RuntimeError::VariableUndefined))
            raiseNameError(RuntimeError::VariableUndefined, n.text);
        throw;
    }
}

Variant *Interpreter::varOperand(Frame *f, Word w, Word operand)
{
    if (!(w & flag::VarName))
        return f->R[operand];
    return nameRef(f->code->names[operand], true);
}

Variant Interpreter::loadName(const vm::Name &n)
{
    const Binding &b = n.binding;
    switch (b.kind) {
    case Binding::Local: return *m_frame->R[b.slot];
    case Binding::Field: return requireMe()->fields[static_cast<std::size_t>(b.slot)];
    case Binding::LocalOrGlobal:
    case Binding::Global: {
        GlobalSlot &g = *n.global;
        if (g.proc)
            return callProcedure(g.proc, nullptr, {});
        if (g.cls)
            notDefined(n.text, false);
        if (!g.defined) {
            if (b.explicitOnly)
                notDefined(n.text, true);
            if (b.kind == Binding::LocalOrGlobal)
                return *m_frame->R[b.slot];
        }
        return g.value;
    }
    case Binding::Member: return requireMe()->getMember(b.slot, {});
    case Binding::Builtin: return callBuiltinAt(b.slot, {}, false);
    case Binding::BuiltinConst: return m_builtins.constantAt(b.slot);
    case Binding::ErrObject: return Variant(errObject());
    case Binding::Unresolved: break;
    }
    notDefined(n.text, true);
}

void Interpreter::storeName(Frame *f, const Word *pc)
{
    const Word w = *pc;
    const vm::Name &n = f->code->names[pc[1]];
    const bool isSet = w & flag::IsSet;
    const Variant &value0 = *f->R[pc[2]];
    if (isSet && !value0.isObject())
        raiseError(RuntimeError::ObjectRequired);
    Variant value = isSet ? value0 : letValue(value0);
    if (w & flag::T0)
        clearTemp(f, pc[2]);
    Variant *slot = nameRef(n, true);
    if (!slot)
        raiseError(RuntimeError::IllegalAssignment);
    *slot = std::move(value);
}

// f x: the variable by reference; a procedure, a constant or a class is
// passed as its value.
void Interpreter::argName(Frame *f, const Word *pc)
{
    const Word a = pc[1];
    const vm::Name &n = f->code->names[pc[2]];
    Variant *ref = nullptr;
    if (n.binding.kind != Binding::Global || (!n.global->proc && !n.global->cls && !n.global->isConst))
        ref = nameRef(n, true);
    if (ref) {
        f->R[a] = ref;
    } else {
        f->values()[a] = loadName(n);
        f->R[a] = f->values() + a;
    }
}

// A global or undeclared name called with arguments that may run code: an
// undefined one fails before they run.
void Interpreter::checkCall(Frame *f, const Word *pc)
{
    const vm::Name &n = f->code->names[pc[1]];
    const GlobalSlot &g = *n.global;
    if (g.proc)
        return;
    if (n.binding.kind == Binding::Global) {
        if (!g.defined || g.cls)
            notDefined(n.text, n.binding.explicitOnly && !g.cls);
    } else if (!g.defined && f->R[n.binding.slot]->isEmpty()) {
        notDefined(n.text, n.binding.explicitOnly);
    }
}

// --- values of calls -----------------------------------------------------------------

Variant Interpreter::callBuiltinAt(int index, ArgRefs args, bool statement)
{
    const Builtin &fn = m_builtins.function(index);
    if (static_cast<int>(args.size()) < fn.minArgs || static_cast<int>(args.size()) > fn.maxArgs)
        raiseError(RuntimeError::WrongArgumentCount);
    Variant result = fn.fn(*this, args);
    if (statement && fn.use == BuiltinUse::ValueOnly)
        raiseError(RuntimeError::UnsupportedAutomationType);
    if (!statement && fn.use == BuiltinUse::StatementOnly)
        raiseError(RuntimeError::TypeMismatch);
    return result;
}

Variant Interpreter::indexValue(const Variant &container, ArgRefs args, bool statement)
{
    if (container.isArray()) {
        if (args.empty())
            return container;
        return element(*container.array(), args);
    }
    if (container.isObject()) {
        if (!container.object())
            raiseError(RuntimeError::ObjectVariableNotSet);
        if (statement) {
            container.object()->call(u"", args);
            return Variant();
        }
        return container.object()->get(u"", args);
    }
    if (args.empty())
        return container;
    raiseError(RuntimeError::TypeMismatch);
}

// A name with arguments (or alone, flag Bare or Read), once its arguments
// are evaluated: a procedure, a built-in, a member of Me, an element, or the
// default member of the object a variable holds.
Variant Interpreter::callNameValue(const vm::Name &n, ArgRefs args, Word flags)
{
    const Binding &b = n.binding;
    const bool statement = flags & flag::Statement;
    if (flags & flag::Read)
        return loadName(n);
    if (flags & flag::Bare) {
        if (b.kind == Binding::Global && n.global->proc)
            return callProcedure(n.global->proc, nullptr, {});
        if (b.kind == Binding::Builtin)
            return callBuiltinAt(b.slot, {}, true);
        if (b.kind == Binding::Member)
            return requireMe()->getMember(b.slot, {});
        // A variable used as a statement: call its object's default member.
        Variant v = loadName(n);
        if (v.isObject() && v.object()) {
            v.object()->call(u"", {});
            return Variant();
        }
        if (b.kind == Binding::Global && !n.global->defined)
            notDefined(n.text, b.explicitOnly);
        raiseError(RuntimeError::TypeMismatch);
    }
    switch (b.kind) {
    case Binding::Global: {
        GlobalSlot &g = *n.global;
        if (g.proc)
            return callProcedure(g.proc, nullptr, args);
        if (!g.defined || g.cls)
            notDefined(n.text, b.explicitOnly && !g.cls);
        break;
    }
    case Binding::LocalOrGlobal: {
        GlobalSlot &g = *n.global;
        if (g.proc)
            return callProcedure(g.proc, nullptr, args);
        if (!g.defined && m_frame->R[b.slot]->isEmpty())
            notDefined(n.text, b.explicitOnly);
        break;
    }
    case Binding::Builtin: return callBuiltinAt(b.slot, args, statement);
    case Binding::Member: return requireMe()->getMember(b.slot, args);
    default: break;
    }
    if (Variant *slot = nameRef(n, false)) {
        if (slot->isArray() && !args.empty())
            return element(*slot->array(), args);
        // "a()" names no element (9); "x()" on a plain value indexes nothing (13).
        if (args.empty() && !slot->isObject())
            raiseError(slot->isArray() ? RuntimeError::SubscriptOutOfRange : RuntimeError::TypeMismatch);
        const Variant copy = *slot;
        return indexValue(copy, args, statement);
    }
    return indexValue(loadName(n), args, statement);
}

const Interpreter::Word *Interpreter::callName(Frame *f, const Word *pc)
{
    const Word w = *pc;
    const vm::Name &n = f->code->names[pc[3 + pc[2]]];
    Args args;
    gather(f, pc, args);
    Variant result = callNameValue(n, args.refs, w);
    return finishCall(f, pc, std::move(result));
}

const Interpreter::Word *Interpreter::callGlobalSlow(Frame *f, const Word *pc)
{
    return callName(f, pc);
}

const Interpreter::Word *Interpreter::callBuiltin(Frame *f, const Word *pc)
{
    Args args;
    gather(f, pc, args);
    Variant result = callBuiltinAt(static_cast<int>(pc[3 + pc[2]]), args.refs, *pc & flag::Statement);
    return finishCall(f, pc, std::move(result));
}

const Interpreter::Word *Interpreter::callValue(Frame *f, const Word *pc)
{
    const Variant target = *f->R[pc[3 + pc[2]]];
    Args args;
    gather(f, pc, args);
    Variant result = indexValue(target, args.refs, *pc & flag::Statement);
    return finishCall(f, pc, std::move(result));
}

const Interpreter::Word *Interpreter::callMeSlow(Frame *f, const Word *pc)
{
    Args args;
    gather(f, pc, args);
    Variant result = requireMe()->getMember(static_cast<int>(pc[3 + pc[2]]), args.refs);
    return finishCall(f, pc, std::move(result));
}

int Interpreter::memberIndex(Frame *f, const Word *pc, ScriptObject &so, Word flags, int extraAt)
{
    const Word *extra = pc + extraAt;
    vm::MemberCache &c = f->code->caches[extra[2]];
    const bool inside = (flags & flag::ObjMe) || (f->me && static_cast<Object *>(f->me) == static_cast<Object *>(&so));
    const ClassDecl &cls = so.classDecl();
    if (c.cls != &cls) {
        // Private members answer the class's own code: Me, or With Me.
        const int member = so.findMember(f->code->names[extra[1]].folded, inside);
        c.cls = &cls;
        c.member = member;
        return member;
    }
    if (!inside && !cls.members[static_cast<std::size_t>(c.member)].isPublic)
        raiseError(RuntimeError::MemberNotSupported);
    return c.member;
}

const Interpreter::Word *Interpreter::callMemberSlow(Frame *f, const Word *pc)
{
    const Word w = *pc;
    const int extraAt = 3 + static_cast<int>(pc[2]);
    const Variant object = *f->R[pc[extraAt]];
    if (!object.isObject() || !object.object())
        raiseError(RuntimeError::ObjectRequired);
    Object *o = object.object();
    Args args;
    gather(f, pc, args);
    Variant result;
    if (ScriptObject *so = o->scriptObject()) {
        const int member = memberIndex(f, pc, *so, w, extraAt);
        // "obj.field()" reads no value: a field is not called.
        if ((w & flag::Parens) && so->isField(member))
            raiseError(RuntimeError::InvalidProcedureCall);
        result = so->getMember(member, args.refs);
    } else {
        const std::u16string &name = f->code->names[pc[extraAt + 1]].text;
        if (w & flag::Statement)
            o->call(name, args.refs);
        else
            result = o->get(name, args.refs);
    }
    return finishCall(f, pc, std::move(result));
}

// f a(i): the element by reference (the array kept in the argument's own
// register while the call runs, so a ReDim in the callee leaves it valid),
// or the value of the call when the name holds no array.
// An element of the element another register points at, "a(i)(j)": by
// reference when that is an array, else its indexed value.
const Interpreter::Word *Interpreter::argElemOf(Frame *f, const Word *pc)
{
    const Word a = pc[1];
    Args args;
    gather(f, pc, args);
    Variant *slot = f->R[pc[3 + pc[2]]];
    if (slot->isArray()) {
        Variant &e = element(writableArray(*slot), args.refs);
        f->values()[a] = *slot; // holds the array while the reference lives
        f->R[a] = &e;
    } else {
        const Variant copy = *slot;
        Variant v = indexValue(copy, args.refs, false);
        f->values()[a] = std::move(v);
        f->R[a] = f->values() + a;
    }
    return release(f, pc);
}

const Interpreter::Word *Interpreter::argElem(Frame *f, const Word *pc)
{
    const Word a = pc[1];
    const vm::Name &n = f->code->names[pc[3 + pc[2]]];
    Args args;
    gather(f, pc, args);
    const Binding &b = n.binding;
    const bool variable = b.kind == Binding::Local || b.kind == Binding::LocalOrGlobal || b.kind == Binding::Field ||
                          (b.kind == Binding::Global && !n.global->proc && !n.global->cls);
    Variant *slot = variable ? nameRef(n, false) : nullptr;
    if (slot && slot->isArray()) {
        Variant &e = element(writableArray(*slot), args.refs);
        f->values()[a] = *slot;
        f->R[a] = &e;
    } else {
        Variant v = callNameValue(n, args.refs, 0);
        f->values()[a] = std::move(v);
        f->R[a] = f->values() + a;
    }
    return release(f, pc);
}

// --- assignment ----------------------------------------------------------------------

const Interpreter::Word *Interpreter::assignOp(Frame *f, const Word *pc)
{
    const Word w = *pc;
    const Op op = vm::opOf(w);
    const bool isSet = w & flag::IsSet;
    const int extraAt = 3 + static_cast<int>(pc[2]);
    const Variant &value0 = *f->R[pc[1]];
    if (isSet && !value0.isObject())
        raiseError(RuntimeError::ObjectRequired);
    // A script class's members take the value as it is (a Property Let
    // receives an object itself); everything else stores a plain value.
    auto plain = [&] { return isSet || !value0.isObject() ? value0 : letValue(value0); };
    Args args;
    gather(f, pc, args);
    switch (op) {
    case Op::LetMe: requireMe()->letMember(static_cast<int>(pc[extraAt]), args.refs, value0, isSet); break;
    case Op::LetIndexed: {
        const vm::Name &n = f->code->names[pc[extraAt]];
        Variant *slot = nameRef(n, true);
        if (!slot)
            raiseError(RuntimeError::IllegalAssignment);
        if (slot->isArray()) {
            element(writableArray(*slot), args.refs) = plain();
        } else if (slot->isObject() && slot->object()) {
            Ref<Object> o = slot->objectRef();
            if (isSet)
                o->set(u"", args.refs, plain());
            else
                o->let(u"", args.refs, plain());
        } else {
            raiseError(RuntimeError::TypeMismatch);
        }
        break;
    }
    case Op::LetMember: {
        const Variant object = *f->R[pc[extraAt]];
        if (!object.isObject() || !object.object())
            raiseError(RuntimeError::ObjectRequired);
        Object *o = object.object();
        if (ScriptObject *so = o->scriptObject()) {
            so->letMember(memberIndex(f, pc, *so, w, extraAt), args.refs, value0, isSet);
        } else {
            const std::u16string &name = f->code->names[pc[extraAt + 1]].text;
            if (isSet)
                o->set(name, args.refs, plain());
            else
                o->let(name, args.refs, plain());
        }
        break;
    }
    default: {
        Variant &place = *f->R[pc[extraAt]];
        if (place.isArray()) { // a(i)(j) = v: the register points at a(i)
            element(writableArray(place), args.refs) = plain();
            break;
        }
        const Variant container = place;
        if (!container.isObject() || !container.object())
            raiseError(RuntimeError::TypeMismatch);
        if (isSet)
            container.object()->set(u"", args.refs, plain());
        else
            container.object()->let(u"", args.refs, plain());
        break;
    }
    }
    return release(f, pc);
}

// s = s & x on a text the variable alone holds: appended in place.
bool Interpreter::appendInPlace(Frame *f, const Word *pc)
{
    const Variant *slot = varOperand(f, *pc, pc[1]);
    return slot && slot->isString() && slot->stringData()->refCount() == 1;
}

void Interpreter::appendFinish(Frame *f, const Word *pc)
{
    const Word w = *pc;
    Variant rhs = *f->R[pc[2]];
    if (w & flag::T0)
        clearTemp(f, pc[2]);
    if (rhs.isObject())
        rhs = rhs.valueOf();
    // Re-read: evaluating the right side may have changed the variable.
    Variant *slot = varOperand(f, w, pc[1]);
    if (slot && slot->isString() && slot->stringData()->refCount() == 1 && !rhs.isNull()) {
        StringData *data = slot->stringData();
        if (rhs.isString())
            data->append(rhs.string(), rhs.stringData()->oddByte());
        else
            data->append(rhs.toString());
        return;
    }
    const vm::Name *n = (w & flag::VarName) ? &f->code->names[pc[1]] : nullptr;
    const Variant left = slot ? *slot : loadName(*n);
    Variant joined = ops::concat(left, rhs);
    if (!slot)
        raiseError(RuntimeError::IllegalAssignment);
    *slot = std::move(joined);
}

// --- operators -------------------------------------------------------------------------

void Interpreter::binarySlow(Frame *f, const Word *pc)
{
    const Word w = *pc;
    const auto op = static_cast<BinOp>(static_cast<int>(vm::opOf(w)) - static_cast<int>(Op::Imp));
    // The general operators may run an object's default member: they work on copies.
    const Variant l = *f->R[pc[2]], r = *f->R[pc[3]];
    Variant result;
    switch (op) {
    case BinOp::Add: result = ops::add(l, r); break;
    case BinOp::Sub: result = ops::subtract(l, r); break;
    case BinOp::Mul: result = ops::multiply(l, r); break;
    case BinOp::Div: result = ops::divide(l, r); break;
    case BinOp::IntDiv: result = ops::intDivide(l, r); break;
    case BinOp::Mod: result = ops::modulo(l, r); break;
    case BinOp::Pow: result = ops::power(l, r); break;
    case BinOp::Concat: result = ops::concat(l, r); break;
    case BinOp::And: result = ops::logicalAnd(l, r); break;
    case BinOp::Or: result = ops::logicalOr(l, r); break;
    case BinOp::Xor: result = ops::logicalXor(l, r); break;
    case BinOp::Eqv: result = ops::logicalEqv(l, r); break;
    case BinOp::Imp: result = ops::logicalImp(l, r); break;
    case BinOp::Is: result = Variant::fromBool(ops::sameObject(l, r)); break;
    default: {
        static constexpr ops::Compare kCompare[] = {ops::Compare::Eq, ops::Compare::Ne, ops::Compare::Lt,
                                                     ops::Compare::Gt, ops::Compare::Le, ops::Compare::Ge};
        result = ops::compare(kCompare[static_cast<int>(op) - static_cast<int>(BinOp::Eq)], l, r, w & flag::LitA,
                              w & flag::LitB);
        break;
    }
    }
    if (w & flag::T0)
        clearTemp(f, pc[2]);
    if (w & flag::T1)
        clearTemp(f, pc[3]);
    *f->R[pc[1]] = std::move(result);
}

// A compare-and-jump the short ways did not take: whether it holds (True).
bool Interpreter::compareSlow(Frame *f, const Word *pc)
{
    const Word w = *pc;
    static constexpr ops::Compare kCompare[] = {ops::Compare::Eq, ops::Compare::Ne, ops::Compare::Lt,
                                                 ops::Compare::Gt, ops::Compare::Le, ops::Compare::Ge};
    const int which = (static_cast<int>(vm::opOf(w)) - static_cast<int>(Op::JumpNotEq)) % 6;
    const Variant &a = *f->R[pc[1]], &b = *f->R[pc[2]];
    if (a.isString() && b.isString()) {
        // Two strings compare code unit by code unit, whatever was written.
        const int c = a.string().compare(b.string());
        static constexpr bool kHolds[6][3] = {{false, true, false}, {true, false, true}, {true, false, false},
                                              {false, false, true}, {true, true, false}, {false, true, true}};
        const bool t = kHolds[which][c < 0 ? 0 : (c == 0 ? 1 : 2)];
        if (w & flag::T0)
            clearTemp(f, pc[1]);
        if (w & flag::T1)
            clearTemp(f, pc[2]);
        return t;
    }
    const Variant l = a, r = b;
    const Variant v = ops::compare(kCompare[which], l, r, w & flag::LitA, w & flag::LitB);
    if (w & flag::T0)
        clearTemp(f, pc[1]);
    if (w & flag::T1)
        clearTemp(f, pc[2]);
    return v.type() == Variant::Type::Boolean ? v.boolValue() : ops::isTrue(v);
}

bool Interpreter::truth(Frame *f, const Word *pc)
{
    const Variant &v = *f->R[pc[1]];
    const bool t = v.type() == Variant::Type::Boolean ? v.boolValue() : ops::isTrue(v);
    if (*pc & flag::T0)
        clearTemp(f, pc[1]);
    return t;
}

void Interpreter::unary(Frame *f, const Word *pc)
{
    const Word w = *pc;
    const Variant v = *f->R[pc[2]];
    Variant result;
    switch (vm::opOf(w)) {
    case Op::Neg: result = ops::negate(v); break;
    case Op::Not: result = ops::logicalNot(v); break;
    default: result = v; break; // no conversion: +Empty is Empty, +obj the object
    }
    if (w & flag::T0)
        clearTemp(f, pc[2]);
    *f->R[pc[1]] = std::move(result);
}

// Move, Let, Set and Subject when the source is an object (or Set's is not).
void Interpreter::move(Frame *f, const Word *pc)
{
    const Word w = *pc;
    const Variant &source = *f->R[pc[2]];
    Variant value;
    switch (vm::opOf(w)) {
    case Op::Set:
        if (!source.isObject())
            raiseError(RuntimeError::ObjectRequired);
        value = source;
        break;
    case Op::Let: value = letValue(source); break;
    case Op::Subject: value = source.isObject() && source.object() ? source.valueOf() : source; break;
    default: value = source; break;
    }
    if (w & flag::T0)
        clearTemp(f, pc[2]);
    *f->R[pc[1]] = std::move(value);
}

bool Interpreter::caseMatches(Frame *f, const Word *pc)
{
    const Word w = *pc;
    const bool equal = ops::compareValues(*f->R[pc[1]], *f->R[pc[2]], w & flag::LitA, w & flag::LitB) == 0;
    if (w & flag::T1)
        clearTemp(f, pc[2]);
    if (equal && (w & flag::T0))
        clearTemp(f, pc[1]);
    return equal;
}

// --- objects ---------------------------------------------------------------------------

void Interpreter::newObject(Frame *f, const Word *pc)
{
    vm::Name &n = const_cast<vm::Name &>(f->code->names[pc[2]]);
    // The engine's own classes (RegExp) come first: a script class of the
    // same name can be declared but not made.
    const auto *builtin = m_builtins.classFactory(n.folded);
    if (!builtin && (!n.global || !n.global->cls)) {
        const int slot = m_globals.find(n.folded);
        n.global = slot >= 0 ? &m_globals[slot] : nullptr;
    }
    if (!builtin && n.global && n.global->cls) {
        ClassDecl &cls = *n.global->cls;
        Ref<ScriptObject> object = makeRef<ScriptObject>(*this, cls);
        if (cls.initialize)
            callProcedure(cls.initialize, object.get(), {});
        object->initialized = true;
        *f->R[pc[1]] = Variant(Ref<Object>(object));
        return;
    }
    if (builtin) {
        Ref<Object> o = (*builtin)();
        if (!o)
            raiseError(RuntimeError::ClassNotDefined);
        *f->R[pc[1]] = Variant(o);
        return;
    }
    // Under Option Explicit a name that is not even a variable is undefined.
    const bool variable = n.global && n.global->defined;
    raiseNameError(n.binding.explicitOnly && !variable ? RuntimeError::VariableUndefined : RuntimeError::ClassNotDefined,
                   n.text);
}

} // namespace vbs
