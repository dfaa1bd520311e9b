// Expressions, calls, arguments and assignment. The order in which parts are
// evaluated is the language's: arguments before the object of a member call,
// the value of an assignment before its target.
#include "compiler.h"

#include "errors.h"

namespace vbs {

using namespace ast;
using vm::Op;
using vm::Word;
namespace flag = vm::flag;

const Expr &Compiler::unparenthesized(const Expr &e)
{
    const Expr *p = &e;
    while (p->kind == ExprKind::Paren)
        p = static_cast<const ParenExpr *>(p)->inner.get();
    return *p;
}

bool Compiler::pure(const Expr *e)
{
    if (!e)
        return true;
    const Expr &u = unparenthesized(*e);
    return u.kind == ExprKind::Literal ||
           (u.kind == ExprKind::Name && static_cast<const NameExpr &>(u).binding.kind == Binding::Local);
}

bool Compiler::plain(const Expr &e0)
{
    const Expr &e = unparenthesized(e0);
    const auto plainOp = [](BinOp op) { return op != BinOp::Add && op != BinOp::Concat; };
    switch (e.kind) {
    case ExprKind::Binary: return plainOp(static_cast<const BinaryExpr &>(e).op);
    case ExprKind::Unary: return static_cast<const UnaryExpr &>(e).op != UnOp::Plus;
    case ExprKind::Chain:
        for (const ChainLink &link : static_cast<const ChainExpr &>(e).rest)
            if (!plainOp(link.op))
                return false;
        return true;
    default: return false;
    }
}

bool Compiler::allPure(const std::vector<ExprPtr> &args) const
{
    for (const ExprPtr &a : args)
        if (!pure(a.get()))
            return false;
    return true;
}

vm::Word Compiler::value(const Expr &e0, bool inPlace)
{
    const Expr &e = unparenthesized(e0);
    if (e.kind == ExprKind::Literal)
        return constant(static_cast<const LiteralExpr &>(e).value);
    if (e.kind == ExprKind::Name) {
        const Binding &b = static_cast<const NameExpr &>(e).binding;
        if (b.kind == Binding::Local && inPlace)
            return static_cast<Word>(b.slot);
        if (b.kind == Binding::BuiltinConst)
            return constant(m_builtins.constantAt(b.slot));
    }
    const Word t = temp();
    into(e, t);
    m_plain[t] = plain(e);
    return t;
}

void Compiler::into(const Expr &e0, Word dst)
{
    const Expr &e = unparenthesized(e0);
    const Word mark = m_top;
    switch (e.kind) {
    case ExprKind::Literal:
    case ExprKind::Paren:
        emit(vm::make(Op::Move));
        reg(dst);
        reg(value(e));
        break;
    case ExprKind::Name: {
        const auto &n = static_cast<const NameExpr &>(e);
        const Binding &b = n.binding;
        switch (b.kind) {
        case Binding::Local:
        case Binding::BuiltinConst:
            emit(vm::make(Op::Move));
            reg(dst);
            reg(value(e));
            break;
        case Binding::Global: argumentOp(Op::CallGlobal, flag::Read, dst, {}, {name(n)}); break;
        case Binding::Member: argumentOp(Op::CallMe, 0, dst, {}, {static_cast<Word>(b.slot)}); break;
        case Binding::Builtin: argumentOp(Op::CallBuiltin, 0, dst, {}, {static_cast<Word>(b.slot)}); break;
        default:
            emit(vm::make(Op::LoadName));
            reg(dst);
            emit(name(n));
            break;
        }
        break;
    }
    case ExprKind::Binary: binary(static_cast<const BinaryExpr &>(e), dst); break;
    case ExprKind::Chain: chain(static_cast<const ChainExpr &>(e), dst); break;
    case ExprKind::Call: call(static_cast<const CallExpr &>(e), dst, 0); break;
    case ExprKind::Member: member(static_cast<const MemberExpr &>(e), dst, 0); break;
    case ExprKind::Unary: {
        const auto &u = static_cast<const UnaryExpr &>(e);
        const Word a = value(*u.operand);
        const Op op = u.op == UnOp::Neg ? Op::Neg : (u.op == UnOp::Not ? Op::Not : Op::Plus);
        emit(vm::make(op, isTemp(a) ? flag::T0 : 0));
        reg(dst);
        reg(a);
        break;
    }
    case ExprKind::With: {
        const Binding &b = static_cast<const WithExpr &>(e).binding;
        if (b.kind == Binding::Unresolved) {
            emit(vm::make(Op::Raise));
            emit(static_cast<Word>(RuntimeError::InvalidReference));
        } else if (b.kind == Binding::Local) {
            emit(vm::make(Op::Move));
            reg(dst);
            reg(static_cast<Word>(b.slot));
        } else {
            emit(vm::make(Op::LoadWith));
            reg(dst);
            emit(name(b, std::u16string()));
        }
        break;
    }
    case ExprKind::Me:
        emit(vm::make(Op::LoadMe));
        reg(dst);
        break;
    case ExprKind::New: {
        const auto &n = static_cast<const NewExpr &>(e);
        Binding b;
        b.explicitOnly = n.binding.explicitOnly; // for the error of a name that is nothing
        emit(vm::make(Op::New));
        reg(dst);
        emit(name(b, n.className));
        break;
    }
    }
    release(mark);
}

void Compiler::binary(const BinaryExpr &b, Word dst)
{
    // The left operand is read in place only when the right one cannot change it.
    const Word a = value(*b.left, pure(b.right.get()));
    const Word r = value(*b.right);
    emit(vm::make(static_cast<Op>(static_cast<int>(Op::Imp) + static_cast<int>(b.op)),
                  (isTemp(a) ? flag::T0 : 0) | (isTemp(r) ? flag::T1 : 0) |
                      (b.left->kind == ExprKind::Literal ? flag::LitA : 0) |
                      (b.right->kind == ExprKind::Literal ? flag::LitB : 0)));
    reg(dst);
    reg(a);
    reg(r);
}

// A run of operators works on one running value in `dst`, link after link:
// the code is as flat as the tree.
void Compiler::chain(const ChainExpr &c, Word dst)
{
    into(*c.first, dst);
    bool first = c.first->kind == ExprKind::Literal;
    for (const ChainLink &link : c.rest) {
        const Word mark = m_top;
        const Word r = value(*link.operand);
        emit(vm::make(static_cast<Op>(static_cast<int>(Op::Imp) + static_cast<int>(link.op)),
                      flag::T0 | (isTemp(r) ? flag::T1 : 0) | (first ? flag::LitA : 0) |
                          (link.operand->kind == ExprKind::Literal ? flag::LitB : 0)));
        reg(dst);
        reg(dst);
        reg(r);
        release(mark);
        first = false;
    }
}

void Compiler::argumentOp(Op op, Word flags, Word d, const std::vector<Word> &args, std::initializer_list<Word> extra,
                          bool firstIsRegister)
{
    bool scrub = false, literal = false;
    for (Word a : args) {
        scrub = scrub || (isTemp(a) && !m_plain[a]);
        literal = literal || (a & kConst);
    }
    emit(vm::make(op, flags | (scrub ? flag::Scrub : 0) | (literal ? flag::Literal : 0)));
    reg(d);
    emit(static_cast<Word>(args.size()));
    for (Word a : args)
        reg(a);
    bool isRegister = firstIsRegister;
    for (Word x : extra) {
        if (isRegister)
            reg(x);
        else
            emit(x);
        isRegister = false;
    }
}

std::vector<vm::Word> Compiler::arguments(const std::vector<ExprPtr> &args)
{
    std::vector<Word> regs;
    regs.reserve(args.size());
    for (const ExprPtr &ap : args) {
        const Expr *a = ap.get();
        if (!a) {
            regs.push_back(constant(Variant::missing()));
            continue;
        }
        if (a->kind == ExprKind::Name) {
            const auto &n = static_cast<const NameExpr &>(*a);
            const Binding::Kind k = n.binding.kind;
            if (k == Binding::Local) {
                regs.push_back(static_cast<Word>(n.binding.slot));
                continue;
            }
            if (k == Binding::LocalOrGlobal || k == Binding::Field ||
                (k == Binding::Global && !knownProcedure(n.binding))) {
                // The variable by reference, or the value when it is none.
                const Word t = temp();
                emit(vm::make(Op::ArgName));
                reg(t);
                emit(name(n));
                regs.push_back(t);
                continue;
            }
        } else if (a->kind == ExprKind::Call) {
            // An array element by reference, or the call's value.
            const Word t = elementReference(static_cast<const CallExpr &>(*a));
            if (t != kNone) {
                regs.push_back(t);
                continue;
            }
        } else if (a->kind == ExprKind::Paren) {
            // (x) passes a copy.
            const Word t = temp();
            into(*a, t);
            regs.push_back(t);
            continue;
        }
        regs.push_back(value(*a));
    }
    return regs;
}

Word Compiler::elementReference(const CallExpr &c)
{
    if (c.args.empty())
        return kNone;
    for (const ExprPtr &i : c.args)
        if (!i)
            return kNone;
    if (c.callee->kind == ExprKind::Name) {
        const auto &n = static_cast<const NameExpr &>(*c.callee);
        const Binding::Kind k = n.binding.kind;
        if (!(k == Binding::Local || k == Binding::LocalOrGlobal || k == Binding::Field ||
              (k == Binding::Global && !knownProcedure(n.binding))))
            return kNone;
        const Word t = temp();
        const std::vector<Word> indices = arguments(c.args);
        argumentOp(Op::ArgElem, 0, t, indices, {name(n)});
        release(t + 1);
        return t;
    }
    if (c.callee->kind == ExprKind::Call) {
        // a(i)(j): an element of the element a(i) refers to.
        const Word t = temp();
        const Word inner = elementReference(static_cast<const CallExpr &>(*c.callee));
        if (inner == kNone) {
            release(t);
            return kNone;
        }
        const std::vector<Word> indices = arguments(c.args);
        argumentOp(Op::ArgElemOf, flag::T1, t, indices, {inner});
        release(t + 1);
        return t;
    }
    return kNone;
}

void Compiler::call(const CallExpr &c, Word dst, Word flags)
{
    const Word mark = m_top;
    const Expr &callee = *c.callee;
    if (callee.kind == ExprKind::Member) {
        const auto &m = static_cast<const MemberExpr &>(callee);
        const std::vector<Word> args = arguments(c.args);
        const Word object = value(*m.object);
        argumentOp(Op::CallMember,
                   flags | (isTemp(object) ? flag::T1 : 0) | (m.object->kind == ExprKind::Me ? flag::ObjMe : 0) |
                       (c.args.empty() ? flag::Parens : 0),
                   dst, args, {object, name(Binding{}, m.name), cache()}, true);
    } else if (callee.kind == ExprKind::Name) {
        const auto &n = static_cast<const NameExpr &>(callee);
        const Binding &b = n.binding;
        switch (b.kind) {
        case Binding::Global:
        case Binding::LocalOrGlobal: {
            // An undefined name fails before its arguments run.
            const Word nm = name(n);
            if (!knownProcedure(b) && !allPure(c.args)) {
                emit(vm::make(Op::CheckCall));
                emit(nm);
            }
            argumentOp(Op::CallGlobal, flags, dst, arguments(c.args), {nm});
            break;
        }
        case Binding::Builtin: argumentOp(Op::CallBuiltin, flags, dst, arguments(c.args), {static_cast<Word>(b.slot)}); break;
        case Binding::Member: argumentOp(Op::CallMe, flags, dst, arguments(c.args), {static_cast<Word>(b.slot)}); break;
        default: argumentOp(Op::CallName, flags, dst, arguments(c.args), {name(n)}); break;
        }
    } else {
        const Word target = value(callee, allPure(c.args));
        argumentOp(Op::CallValue, flags | (isTemp(target) ? flag::T1 : 0), dst, arguments(c.args), {target}, true);
    }
    release(mark);
}

void Compiler::member(const MemberExpr &m, Word dst, Word flags)
{
    const Word mark = m_top;
    const Word object = value(*m.object);
    argumentOp(Op::CallMember,
               flags | (isTemp(object) ? flag::T1 : 0) | (m.object->kind == ExprKind::Me ? flag::ObjMe : 0), dst, {},
               {object, name(Binding{}, m.name), cache()}, true);
    release(mark);
}

// A name alone as a statement: a procedure call, or the default member of
// the object a variable holds.
void Compiler::bareName(const NameExpr &n, Word dst, Word flags)
{
    const Binding &b = n.binding;
    switch (b.kind) {
    case Binding::Global: argumentOp(Op::CallGlobal, flags | flag::Bare, dst, {}, {name(n)}); break;
    case Binding::Builtin: argumentOp(Op::CallBuiltin, flags, dst, {}, {static_cast<Word>(b.slot)}); break;
    case Binding::Member: argumentOp(Op::CallMe, flags, dst, {}, {static_cast<Word>(b.slot)}); break;
    default: argumentOp(Op::CallName, flags | flag::Bare, dst, {}, {name(n)}); break;
    }
}

void Compiler::callStatement(const CallStmt &s)
{
    const Expr &e = *s.call;
    const Word quiet = flag::Statement | flag::Discard;
    switch (e.kind) {
    case ExprKind::Call: call(static_cast<const CallExpr &>(e), 0, quiet); return;
    case ExprKind::Member: member(static_cast<const MemberExpr &>(e), 0, quiet); return;
    case ExprKind::Name: bareName(static_cast<const NameExpr &>(e), 0, quiet); return;
    default: {
        const Word t = temp();
        into(e, t);
        emit(vm::make(Op::Move));
        reg(t);
        reg(emptyConst());
        return;
    }
    }
}

void Compiler::assign(const AssignStmt &s)
{
    const Expr &target = *s.target;
    const Word setFlag = s.isSet ? flag::IsSet : 0;
    Word toEnd = 0;
    if (s.appendSelf) {
        // s = s & x: appended in place while the variable alone holds its text.
        const auto [var, varFlag] = variable(static_cast<const NameExpr &>(target));
        emit(vm::make(Op::AppendCheck, varFlag));
        reg(var);
        emit(0);
        const Word plain = here() - 1;
        const Word mark = m_top;
        const Word r = value(*static_cast<const BinaryExpr &>(*s.value).right);
        emit(vm::make(Op::AppendFinish, varFlag | (isTemp(r) ? flag::T0 : 0)));
        reg(var);
        reg(r);
        release(mark);
        toEnd = jump(Op::Jump);
        patchHere(plain);
    }
    switch (target.kind) {
    case ExprKind::Name: {
        const auto &n = static_cast<const NameExpr &>(target);
        const Binding &b = n.binding;
        const Expr &v = unparenthesized(*s.value);
        if (b.kind == Binding::Local && !s.isSet && (v.kind == ExprKind::Binary || v.kind == ExprKind::Unary)) {
            // Operators never give an object: straight into the variable.
            into(v, static_cast<Word>(b.slot));
            break;
        }
        const Word r = value(*s.value);
        const Word rt = isTemp(r) ? flag::T0 : 0;
        if (b.kind == Binding::Local) {
            emit(vm::make(s.isSet ? Op::Set : Op::Let, rt));
            reg(static_cast<Word>(b.slot));
            reg(r);
        } else if (b.kind == Binding::Member) {
            argumentOp(Op::LetMe, setFlag | rt, r, {}, {static_cast<Word>(b.slot)});
        } else {
            emit(vm::make(Op::StoreName, setFlag | rt));
            emit(name(n));
            reg(r);
        }
        break;
    }
    case ExprKind::Member: {
        const auto &m = static_cast<const MemberExpr &>(target);
        const Word r = value(*s.value);
        const Word object = value(*m.object);
        argumentOp(Op::LetMember,
                   setFlag | (isTemp(r) ? flag::T0 : 0) | (isTemp(object) ? flag::T1 : 0) |
                       (m.object->kind == ExprKind::Me ? flag::ObjMe : 0),
                   r, {}, {object, name(Binding{}, m.name), cache()}, true);
        break;
    }
    case ExprKind::Call: {
        const auto &c = static_cast<const CallExpr &>(target);
        const Expr &callee = *c.callee;
        Word r = value(*s.value);
        // The value is converted (Let) or checked (Set) before the target's
        // parts run, when they can run code.
        const bool partsPure = allPure(c.args) && (callee.kind == ExprKind::Name ||
                                                    (callee.kind == ExprKind::Member &&
                                                     pure(static_cast<const MemberExpr &>(callee).object.get())));
        if (!partsPure) {
            const Word t = temp();
            emit(vm::make(s.isSet ? Op::Set : Op::Let, isTemp(r) ? flag::T0 : 0));
            reg(t);
            reg(r);
            r = t;
        }
        const Word rt = isTemp(r) ? flag::T0 : 0;
        const std::vector<Word> args = arguments(c.args);
        if (callee.kind == ExprKind::Name) {
            const auto &n = static_cast<const NameExpr &>(callee);
            if (n.binding.kind == Binding::Member)
                argumentOp(Op::LetMe, setFlag | rt, r, args, {static_cast<Word>(n.binding.slot)});
            else
                argumentOp(Op::LetIndexed, setFlag | rt, r, args, {name(n)});
        } else if (callee.kind == ExprKind::Member) {
            const auto &m = static_cast<const MemberExpr &>(callee);
            const Word object = value(*m.object);
            argumentOp(Op::LetMember,
                       setFlag | rt | (isTemp(object) ? flag::T1 : 0) | (m.object->kind == ExprKind::Me ? flag::ObjMe : 0),
                       r, args, {object, name(Binding{}, m.name), cache()}, true);
        } else {
            // a(i)(j) = v: the element of the element, in place.
            Word container = callee.kind == ExprKind::Call ? elementReference(static_cast<const CallExpr &>(callee)) : kNone;
            if (container == kNone)
                container = value(callee);
            argumentOp(Op::LetValue, setFlag | rt | (isTemp(container) ? flag::T1 : 0), r, args, {container}, true);
        }
        break;
    }
    default: {
        const Word r = value(*s.value);
        (void)r;
        emit(vm::make(Op::Raise));
        emit(static_cast<Word>(target.kind == ExprKind::With ? RuntimeError::ObjectRequired
                                                               : RuntimeError::IllegalAssignment));
        break;
    }
    }
    if (s.appendSelf)
        patchHere(toEnd);
}

void Compiler::reDim(const ReDimStmt &s)
{
    for (const ReDimItem &item : s.items) {
        const Word mark = m_top;
        std::vector<Word> dims;
        for (const ExprPtr &d : item.dims)
            dims.push_back(value(*d));
        const auto [var, varFlag] = variable(static_cast<const NameExpr &>(*item.target));
        emit(vm::make(Op::ReDim, varFlag | flag::Scrub | (s.preserve ? flag::Preserve : 0)));
        if (varFlag)
            emit(var);
        else
            reg(var);
        emit(static_cast<Word>(dims.size()));
        for (Word d : dims)
            reg(d);
        release(mark);
    }
}

void Compiler::erase(const EraseStmt &s)
{
    for (const ExprPtr &t : s.targets) {
        const auto [var, varFlag] = variable(static_cast<const NameExpr &>(*t));
        emit(vm::make(Op::Erase, varFlag));
        if (varFlag)
            emit(var);
        else
            reg(var);
    }
}

} // namespace vbs
