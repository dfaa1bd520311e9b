// Expressions, calls and assignment.
#include "array.h"
#include "fast_ops.h"
#include "interpreter.h"
#include "operators.h"
#include "scriptobject.h"
#include "text.h"

namespace vbs {

using namespace ast;

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

} // namespace

void Interpreter::notDefined(const std::u16string &name, bool explicitOnly) const
{
    if (explicitOnly)
        raiseNameError(RuntimeError::VariableUndefined, name);
    raiseNameError(RuntimeError::TypeMismatch, name);
}

Variant *Interpreter::variableRef(const Binding &b, bool forWrite)
{
    switch (b.kind) {
    case Binding::Local: return m_frame->slots[b.slot];
    case Binding::LocalOrGlobal: {
        GlobalSlot &g = m_globals[b.slot2];
        if (g.defined)
            return (g.proc || g.cls) ? nullptr : &g.value;
        if (b.explicitOnly)
            raiseError(RuntimeError::VariableUndefined);
        return m_frame->slots[b.slot];
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

Variant *Interpreter::nameRef(const NameExpr &n, bool forWrite)
{
    try {
        return variableRef(n.binding, forWrite);
    } catch (ScriptException &e) {
        if (e.error.is(RuntimeError::VariableUndefined))
            raiseNameError(RuntimeError::VariableUndefined, n.name);
        throw;
    }
}

Variant Interpreter::eval(const Expr &e)
{
    switch (e.kind) {
    case ExprKind::Literal: return static_cast<const LiteralExpr &>(e).value;
    case ExprKind::Name: {
        const auto &n = static_cast<const NameExpr &>(e);
        if (n.binding.kind == Binding::Local)
            return *m_frame->slots[n.binding.slot];
        return evalName(n);
    }
    case ExprKind::Binary: return evalBinary(static_cast<const BinaryExpr &>(e));
    case ExprKind::Chain: return evalChain(static_cast<const ChainExpr &>(e));
    case ExprKind::Call: return evalCall(static_cast<const CallExpr &>(e), false);
    case ExprKind::Member: return evalMember(static_cast<const MemberExpr &>(e), {}, false);
    case ExprKind::Paren: return eval(*static_cast<const ParenExpr &>(e).inner);
    case ExprKind::Unary: {
        const auto &u = static_cast<const UnaryExpr &>(e);
        Variant v = eval(*u.operand);
        switch (u.op) {
        case UnOp::Neg: return ops::negate(v);
        case UnOp::Not: return ops::logicalNot(v);
        case UnOp::Plus: return v; // no conversion: +Empty is Empty, +obj the object
        }
        return v;
    }
    case ExprKind::With: return withObject(static_cast<const WithExpr &>(e));
    case ExprKind::Me: return Variant(meObject());
    case ExprKind::New: return evalNew(static_cast<const NewExpr &>(e));
    }
    return Variant();
}

Variant Interpreter::evalName(const NameExpr &n)
{
    const Binding &b = n.binding;
    switch (b.kind) {
    case Binding::Local: return *m_frame->slots[b.slot];
    case Binding::Field: return requireMe()->fields[static_cast<std::size_t>(b.slot)];
    case Binding::LocalOrGlobal:
    case Binding::Global: {
        GlobalSlot &g = m_globals[b.kind == Binding::Global ? b.slot : b.slot2];
        if (g.proc)
            return callProcedure(g.proc, nullptr, {});
        if (g.cls)
            notDefined(n.name, false);
        if (!g.defined) {
            if (b.explicitOnly)
                notDefined(n.name, true);
            if (b.kind == Binding::LocalOrGlobal)
                return *m_frame->slots[b.slot];
        }
        return g.value;
    }
    case Binding::Member: return memberOfMe(b.slot, {});
    case Binding::Builtin: return callBuiltin(b.slot, {});
    case Binding::BuiltinConst: return m_builtins.constantAt(b.slot);
    case Binding::ErrObject: return Variant(errObject());
    case Binding::Unresolved: break;
    }
    notDefined(n.name, true);
}

// A literal or a local variable, read where it is: evaluating it runs no code.
const Variant *Interpreter::inPlace(const Expr &e) const
{
    if (e.kind == ExprKind::Literal)
        return &static_cast<const LiteralExpr &>(e).value;
    if (e.kind == ExprKind::Name) {
        const Binding &b = static_cast<const NameExpr &>(e).binding;
        if (b.kind == Binding::Local)
            return m_frame->slots[b.slot];
    }
    return nullptr;
}

// The operators of the common subtypes inline, the others through operators.h.
// Whether each operand was written as a literal (a null operand was not).
static unsigned literalBits(const Expr *left, const Expr *right)
{
    return (left && left->kind == ExprKind::Literal ? 1u : 0u) | (right && right->kind == ExprKind::Literal ? 2u : 0u);
}

[[gnu::always_inline]] inline Variant Interpreter::applyBinary(BinOp op, const Variant &l, const Variant &r,
                                                               const Expr *left, const Expr *right)
{
    Variant out; // the one object returned, built in the caller's place
    if (!ops::fast::binary(op, l, r, out))
        out = binaryOperator(op, l, r, literalBits(left, right));
    return out;
}

// An operand without its parentheses: (a + b) * c evaluates a + b directly.
static const Expr &unparenthesized(const Expr &e)
{
    const Expr *p = &e;
    while (p->kind == ExprKind::Paren)
        p = static_cast<const ParenExpr *>(p)->inner.get();
    return *p;
}

Variant Interpreter::evalBinary(const BinaryExpr &b)
{
    // Operands that run no code are not copied; the left one is read in
    // place only when the right one cannot change it.
    const Expr &left = unparenthesized(*b.left), &right = unparenthesized(*b.right);
    const Variant *pr = inPlace(right);
    if (pr) {
        if (const Variant *pl = inPlace(left))
            return applyBinary(b.op, *pl, *pr, b.left.get(), b.right.get());
    }
    const Variant l = left.kind == ExprKind::Binary ? evalBinary(static_cast<const BinaryExpr &>(left)) : eval(left);
    if (pr)
        return applyBinary(b.op, l, *pr, b.left.get(), b.right.get());
    const Variant r = right.kind == ExprKind::Binary ? evalBinary(static_cast<const BinaryExpr &>(right)) : eval(right);
    return applyBinary(b.op, l, r, b.left.get(), b.right.get());
}

// A run of operators, one link after the other: no C++ frame per operand.
// The fast operators write the running value in place (they read their
// operands before they write).
Variant Interpreter::evalChain(const ChainExpr &c)
{
    const Expr &first = unparenthesized(*c.first);
    Variant acc = first.kind == ExprKind::Binary ? evalBinary(static_cast<const BinaryExpr &>(first)) : eval(first);
    const Expr *left = c.first.get(); // written by the script only before the first link
    for (const ChainLink &link : c.rest) {
        const Expr *written = left;
        left = nullptr;
        const Expr &right = unparenthesized(*link.operand);
        Variant computed;
        const Variant *r = inPlace(right);
        if (!r) {
            computed = right.kind == ExprKind::Binary ? evalBinary(static_cast<const BinaryExpr &>(right)) : eval(right);
            r = &computed;
        }
        if (ops::fast::binary(link.op, acc, *r, acc))
            continue;
        // a & b & c ...: the text made for this chain grows in place.
        if (link.op == BinOp::Concat && acc.isString() && r->isString() && acc.stringData()->refCount() == 1)
            acc.stringData()->append(r->string(), r->stringData()->oddByte());
        else
            acc = binaryOperator(link.op, acc, *r, literalBits(written, link.operand.get()));
    }
    return acc;
}

// The general operators may run an object's default member: they work on
// copies of the operands.
Variant Interpreter::binaryOperator(BinOp op, const Variant &left, const Variant &right, unsigned literals)
{
    const Variant l = left, r = right;
    switch (op) {
    case BinOp::Add: return ops::add(l, r);
    case BinOp::Sub: return ops::subtract(l, r);
    case BinOp::Mul: return ops::multiply(l, r);
    case BinOp::Div: return ops::divide(l, r);
    case BinOp::IntDiv: return ops::intDivide(l, r);
    case BinOp::Mod: return ops::modulo(l, r);
    case BinOp::Pow: return ops::power(l, r);
    case BinOp::Concat: return ops::concat(l, r);
    case BinOp::And: return ops::logicalAnd(l, r);
    case BinOp::Or: return ops::logicalOr(l, r);
    case BinOp::Xor: return ops::logicalXor(l, r);
    case BinOp::Eqv: return ops::logicalEqv(l, r);
    case BinOp::Imp: return ops::logicalImp(l, r);
    case BinOp::Is: return Variant::fromBool(ops::sameObject(l, r));
    default: break;
    }
    const bool ll = (literals & 1u) != 0, rl = (literals & 2u) != 0;
    ops::Compare c = ops::Compare::Eq;
    switch (op) {
    case BinOp::Eq: c = ops::Compare::Eq; break;
    case BinOp::Ne: c = ops::Compare::Ne; break;
    case BinOp::Lt: c = ops::Compare::Lt; break;
    case BinOp::Gt: c = ops::Compare::Gt; break;
    case BinOp::Le: c = ops::Compare::Le; break;
    case BinOp::Ge: c = ops::Compare::Ge; break;
    default: break;
    }
    return ops::compare(c, l, r, ll, rl);
}

void Interpreter::evalArgs(const std::vector<ExprPtr> &args, ArgBuffer &buf)
{
    buf.reserve(args.size());
    for (std::size_t i = 0; i < args.size(); ++i) {
        const Expr *a = args[i].get();
        Variant *ref = nullptr;
        if (!a) {
            buf.temp(i) = Variant::missing();
        } else if (a->kind == ExprKind::Name) {
            const auto *n = static_cast<const NameExpr *>(a);
            const Binding &b = n->binding;
            if (b.kind == Binding::Local || b.kind == Binding::LocalOrGlobal || b.kind == Binding::Field ||
                (b.kind == Binding::Global && !m_globals[b.slot].proc && !m_globals[b.slot].cls &&
                 !m_globals[b.slot].isConst))
                ref = nameRef(*n, true);
            if (!ref)
                buf.temp(i) = eval(*a);
        } else if (a->kind == ExprKind::Call) {
            ref = elementRef(static_cast<const CallExpr &>(*a), buf.temp(i));
            if (!ref)
                buf.temp(i) = eval(*a);
        } else {
            buf.temp(i) = eval(*a);
        }
        buf.ptr(i) = ref ? ref : &buf.temp(i);
    }
    if (!args.empty())
        noteArguments(buf.refs(), &buf.temp(0));
}

// An array element passed ByRef, "f a(i)", or an element of an element,
// "f a(i)(j)": its slot in the array that holds it. `keep` holds that array
// while the call runs, so a ReDim in the callee leaves the reference valid.
// Null when the expression is not an element of a variable's array.
Variant *Interpreter::elementRef(const CallExpr &c, Variant &keep)
{
    if (c.args.empty())
        return nullptr;
    for (const ExprPtr &a : c.args)
        if (!a)
            return nullptr;
    const NameExpr *n = nullptr;
    Variant *slot = nullptr;
    Variant outer; // the array holding an array element
    if (c.callee->kind == ExprKind::Name) {
        n = static_cast<const NameExpr *>(c.callee.get());
        const Binding &b = n->binding;
        const bool variable = b.kind == Binding::Local || b.kind == Binding::LocalOrGlobal || b.kind == Binding::Field ||
                              (b.kind == Binding::Global && !m_globals[b.slot].proc && !m_globals[b.slot].cls);
        if (!variable)
            return nullptr;
        slot = nameRef(*n, false);
    } else if (c.callee->kind == ExprKind::Call) {
        slot = elementRef(static_cast<const CallExpr &>(*c.callee), outer);
    }
    if (!slot || !slot->isArray())
        return nullptr;
    ArgBuffer indices;
    evalArgs(c.args, indices);
    if (n)
        slot = nameRef(*n, false); // the indices may have run code
    if (!slot || !slot->isArray())
        raiseError(RuntimeError::TypeMismatch);
    Variant &e = element(writableArray(*slot), indices.refs());
    keep = *slot;
    return &e;
}

Variant Interpreter::callBuiltin(int index, ArgRefs args, bool statement)
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

Variant Interpreter::memberOfMe(int member, ArgRefs args)
{
    return requireMe()->getMember(member, args);
}

Variant Interpreter::evalCall(const CallExpr &c, bool statement)
{
    ArgBuffer buf;
    const Expr &callee = *c.callee;
    if (callee.kind == ExprKind::Member) {
        evalArgs(c.args, buf);
        return evalMember(static_cast<const MemberExpr &>(callee), buf.refs(), statement, true);
    }
    if (callee.kind == ExprKind::Name) {
        const auto &n = static_cast<const NameExpr &>(callee);
        const Binding &b = n.binding;
        switch (b.kind) {
        case Binding::Global: {
            GlobalSlot &g = m_globals[b.slot];
            if (g.proc) {
                evalArgs(c.args, buf);
                return callProcedure(g.proc, nullptr, buf.refs());
            }
            if (!g.defined || g.cls)
                notDefined(n.name, b.explicitOnly && !g.cls);
            break;
        }
        case Binding::LocalOrGlobal: {
            GlobalSlot &g = m_globals[b.slot2];
            if (g.proc) {
                evalArgs(c.args, buf);
                return callProcedure(g.proc, nullptr, buf.refs());
            }
            if (!g.defined && m_frame->slots[b.slot]->isEmpty())
                notDefined(n.name, b.explicitOnly);
            break;
        }
        case Binding::Builtin:
            evalArgs(c.args, buf);
            return callBuiltin(b.slot, buf.refs(), statement);
        case Binding::Member:
            evalArgs(c.args, buf);
            return requireMe()->getMember(b.slot, buf.refs());
        default: break;
        }
        evalArgs(c.args, buf);
        if (Variant *slot = nameRef(n, false)) {
            if (slot->isArray() && !buf.refs().empty())
                return element(*slot->array(), buf.refs());
            // "a()" names no element (9); "x()" on a plain value indexes nothing (13).
            if (buf.refs().empty() && !slot->isObject())
                raiseError(slot->isArray() ? RuntimeError::SubscriptOutOfRange : RuntimeError::TypeMismatch);
            const Variant copy = *slot;
            return indexValue(copy, buf.refs(), statement);
        }
        return indexValue(evalName(n), buf.refs(), statement);
    }
    Variant target = eval(callee);
    evalArgs(c.args, buf);
    return indexValue(target, buf.refs(), statement);
}

Variant Interpreter::evalMember(const MemberExpr &m, ArgRefs args, bool statement, bool parens)
{
    Variant object = eval(*m.object);
    if (!object.isObject())
        raiseError(RuntimeError::ObjectRequired);
    Object *o = object.object();
    if (!o)
        raiseError(RuntimeError::ObjectRequired);
    // Private members answer the class's own code: Me, or With Me.
    const bool inside = m.object->kind == ExprKind::Me || (m_frame->me && o == static_cast<Object *>(m_frame->me));
    if (auto *so = dynamic_cast<ScriptObject *>(o)) {
        const std::u16string &key = m.folded.empty() ? foldCase(m.name) : m.folded;
        const int member = so->findMember(key, inside);
        // "obj.field()" reads no value: a field is not called.
        if (parens && args.empty() && so->isField(member))
            raiseError(RuntimeError::InvalidProcedureCall);
        return so->getMember(member, args);
    }
    if (statement) {
        o->call(m.name, args);
        return Variant();
    }
    return o->get(m.name, args);
}

Variant Interpreter::withObject(const WithExpr &w)
{
    if (w.binding.kind == Binding::Unresolved)
        raiseError(RuntimeError::InvalidReference);
    Variant *slot = variableRef(w.binding, false);
    return slot ? *slot : Variant();
}

Variant Interpreter::evalNew(const NewExpr &n)
{
    const std::u16string folded = foldCase(n.className);
    // The engine's own classes (RegExp) come first: a script class of the
    // same name can be declared but not made.
    const auto *builtin = m_builtins.classFactory(folded);
    const int slot = builtin ? -1 : m_globals.find(folded);
    if (slot >= 0 && m_globals[slot].cls) {
        ast::ClassDecl &cls = *m_globals[slot].cls;
        Ref<ScriptObject> object = makeRef<ScriptObject>(*this, cls);
        if (cls.initialize)
            callProcedure(cls.initialize, object.get(), {});
        object->initialized = true;
        return Variant(Ref<Object>(object));
    }
    if (builtin) {
        Ref<Object> o = (*builtin)();
        if (!o)
            raiseError(RuntimeError::ClassNotDefined);
        return Variant(o);
    }
    // Under Option Explicit a name that is not even a variable is undefined.
    const bool variable = slot >= 0 && m_globals[slot].defined;
    raiseNameError(n.binding.explicitOnly && !variable ? RuntimeError::VariableUndefined : RuntimeError::ClassNotDefined,
                   n.className);
}

void Interpreter::assignTo(const Expr &target, const Variant &value0, bool isSet)
{
    if (isSet && !value0.isObject())
        raiseError(RuntimeError::ObjectRequired);
    // A script class's members take the value as it is (a Property Let
    // receives an object itself); everything else stores a plain value.
    auto plain = [&] { return isSet || !value0.isObject() ? value0 : letValue(value0); };
    switch (target.kind) {
    case ExprKind::Name: {
        const auto &n = static_cast<const NameExpr &>(target);
        const Binding &b = n.binding;
        if (b.kind == Binding::Member) {
            requireMe()->letMember(b.slot, {}, value0, isSet);
            return;
        }
        Variant *slot = nameRef(n, true);
        if (!slot)
            raiseError(RuntimeError::IllegalAssignment);
        *slot = plain();
        return;
    }
    case ExprKind::Member: {
        const auto &m = static_cast<const MemberExpr &>(target);
        Variant object = eval(*m.object);
        if (!object.isObject() || !object.object())
            raiseError(RuntimeError::ObjectRequired);
        Object *o = object.object();
        const bool inside = m.object->kind == ExprKind::Me || (m_frame->me && o == static_cast<Object *>(m_frame->me));
        if (auto *so = dynamic_cast<ScriptObject *>(o)) {
            const int member = so->findMember(m.folded.empty() ? foldCase(m.name) : m.folded, inside);
            so->letMember(member, {}, value0, isSet);
        } else if (isSet) {
            o->set(m.name, {}, plain());
        } else {
            o->let(m.name, {}, plain());
        }
        return;
    }
    case ExprKind::Call: {
        const auto &c = static_cast<const CallExpr &>(target);
        ArgBuffer buf;
        evalArgs(c.args, buf);
        const Expr &callee = *c.callee;
        if (callee.kind == ExprKind::Name) {
            const auto &n = static_cast<const NameExpr &>(callee);
            const Binding &b = n.binding;
            if (b.kind == Binding::Member) {
                requireMe()->letMember(b.slot, buf.refs(), value0, isSet);
                return;
            }
            if (Variant *slot = nameRef(n, true)) {
                if (slot->isArray()) {
                    element(writableArray(*slot), buf.refs()) = plain();
                    return;
                }
                if (slot->isObject() && slot->object()) {
                    Ref<Object> o = slot->objectRef();
                    if (isSet)
                        o->set(u"", buf.refs(), plain());
                    else
                        o->let(u"", buf.refs(), plain());
                    return;
                }
                raiseError(RuntimeError::TypeMismatch);
            }
            raiseError(RuntimeError::IllegalAssignment);
        }
        if (callee.kind == ExprKind::Member) {
            const auto &m = static_cast<const MemberExpr &>(callee);
            Variant object = eval(*m.object);
            if (!object.isObject() || !object.object())
                raiseError(RuntimeError::ObjectRequired);
            const bool inside = m.object->kind == ExprKind::Me ||
                                (m_frame->me && object.object() == static_cast<Object *>(m_frame->me));
            if (auto *so = dynamic_cast<ScriptObject *>(object.object())) {
                const int member = so->findMember(m.folded.empty() ? foldCase(m.name) : m.folded, inside);
                so->letMember(member, buf.refs(), value0, isSet);
            } else if (isSet) {
                object.object()->set(m.name, buf.refs(), plain());
            } else {
                object.object()->let(m.name, buf.refs(), plain());
            }
            return;
        }
        // a(i)(j) = v: the element of the element, in place.
        Variant keep;
        if (callee.kind == ExprKind::Call) {
            if (Variant *inner = elementRef(static_cast<const CallExpr &>(callee), keep)) {
                if (inner->isArray()) {
                    element(writableArray(*inner), buf.refs()) = plain();
                    return;
                }
                if (!inner->isObject() || !inner->object())
                    raiseError(RuntimeError::TypeMismatch);
            }
        }
        Variant container = eval(callee);
        if (container.isObject() && container.object()) {
            if (isSet)
                container.object()->set(u"", buf.refs(), plain());
            else
                container.object()->let(u"", buf.refs(), plain());
            return;
        }
        raiseError(RuntimeError::TypeMismatch);
    }
    case ExprKind::With: raiseError(RuntimeError::ObjectRequired);
    default: raiseError(RuntimeError::IllegalAssignment);
    }
}

} // namespace vbs
