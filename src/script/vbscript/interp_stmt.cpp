// Statements.
#include "array.h"
#include "fast_ops.h"
#include "interpreter.h"
#include "lexer.h"
#include "operators.h"
#include "scriptobject.h"

namespace vbs {

using namespace ast;

void Interpreter::caught(ScriptException &e, const Pos &pos)
{
    if (!e.positioned) {
        e.positioned = true;
        e.error.line = pos.line;
        e.error.column = pos.column;
        e.sourceText = m_frame->source;
    }
}

// Every script call nests two of these frames or more, so the handler
// keeps its work in resumeAfter and the frame stays small.
Interpreter::Flow Interpreter::execBlock(const Block &block)
{
    for (const StmtPtr &st : block) {
        Flow f;
        try {
            f = exec(*st);
        } catch (...) {
            resumeAfter(st->pos);
            continue;
        }
        if (f != Flow::Normal)
            return f;
    }
    return Flow::Normal;
}

// Called in a handler: records the error and returns when On Error Resume
// Next applies, else throws it on.
void Interpreter::resumeAfter(const ast::Pos &pos)
{
    try {
        throw;
    } catch (ScriptException &e) {
        caught(e, pos);
        if (m_frame->resumeNext && !e.fatal) {
            m_err = e.error;
            return;
        }
        throw;
    } catch (const std::bad_alloc &) {
        ScriptException e(runtimeError(RuntimeError::OutOfMemory));
        caught(e, pos);
        if (m_frame->resumeNext) {
            m_err = e.error;
            return;
        }
        throw e;
    }
}

bool Interpreter::resumeInto(const ast::Pos &pos)
{
    try {
        throw;
    } catch (ScriptException &e) {
        if (!m_frame->resumeNext || e.fatal)
            return false;
        caught(e, pos);
        m_err = e.error;
        return true;
    } catch (...) {
        return false;
    }
}

// A loop whose header failed under On Error Resume Next: its body runs
// once, then its Next fails with `atEnd` (92 For, 451 For Each).
Interpreter::Flow Interpreter::runOnce(const ast::Block &body, RuntimeError atEnd)
{
    const Flow f = execBlock(body);
    if (f == Flow::ExitFor)
        return Flow::Normal;
    if (f != Flow::Normal)
        return f;
    raiseError(atEnd);
}

Interpreter::Flow Interpreter::exec(const Stmt &st)
{
    switch (st.kind) {
    case StmtKind::Call: execCall(static_cast<const CallStmt &>(st)); return Flow::Normal;
    case StmtKind::Assign: execAssign(static_cast<const AssignStmt &>(st)); return Flow::Normal;
    case StmtKind::If: return execIf(static_cast<const IfStmt &>(st));
    case StmtKind::Select: return execSelect(static_cast<const SelectStmt &>(st));
    case StmtKind::For: return execFor(static_cast<const ForStmt &>(st));
    case StmtKind::ForEach: return execForEach(static_cast<const ForEachStmt &>(st));
    case StmtKind::Do: return execDo(static_cast<const DoStmt &>(st));
    case StmtKind::With: return execWith(static_cast<const WithStmt &>(st));
    case StmtKind::ReDim: execReDim(static_cast<const ReDimStmt &>(st)); return Flow::Normal;
    case StmtKind::Erase: execErase(static_cast<const EraseStmt &>(st)); return Flow::Normal;
    case StmtKind::Exit:
        switch (static_cast<const ExitStmt &>(st).what) {
        case ExitKind::Do: return Flow::ExitDo;
        case ExitKind::For: return Flow::ExitFor;
        default: return Flow::ExitProc;
        }
    case StmtKind::OnError:
        m_frame->resumeNext = static_cast<const OnErrorStmt &>(st).resumeNext;
        m_err = ScriptError();
        return Flow::Normal;
    case StmtKind::Dim:
    case StmtKind::Const:
    case StmtKind::Nop: return Flow::Normal;
    }
    return Flow::Normal;
}

void Interpreter::execCall(const CallStmt &s)
{
    const Expr &e = *s.call;
    switch (e.kind) {
    case ExprKind::Call: evalCall(static_cast<const CallExpr &>(e), true); return;
    case ExprKind::Member: evalMember(static_cast<const MemberExpr &>(e), {}, true); return;
    case ExprKind::Name: {
        const auto &n = static_cast<const NameExpr &>(e);
        const Binding &b = n.binding;
        if (b.kind == Binding::Global) {
            GlobalSlot &g = m_globals[b.slot];
            if (g.proc) {
                callProcedure(g.proc, nullptr, {});
                return;
            }
        }
        if (b.kind == Binding::Builtin) {
            callBuiltin(b.slot, {}, true);
            return;
        }
        if (b.kind == Binding::Member) {
            memberOfMe(b.slot, {});
            return;
        }
        // A variable used as a statement: call its object's default member.
        Variant v = evalName(n);
        if (v.isObject() && v.object()) {
            v.object()->call(u"", {});
            return;
        }
        if (b.kind == Binding::Global && !m_globals[b.slot].defined)
            notDefined(n.name, b.explicitOnly);
        raiseError(RuntimeError::TypeMismatch);
    }
    default: eval(e); return;
    }
}

void Interpreter::execAssign(const AssignStmt &s)
{
    if (s.appendSelf && appendInPlace(s))
        return;
    Variant value = eval(*s.value);
    if (!s.isSet && !value.isObject() && s.target->kind == ExprKind::Name) {
        const Binding &b = static_cast<const NameExpr &>(*s.target).binding;
        if (b.kind == Binding::Local) {
            *m_frame->slots[b.slot] = std::move(value);
            return;
        }
    }
    assignTo(*s.target, value, s.isSet);
}

// s = s & x on a string nobody else holds: append in place. False when the
// plain assignment must run instead. Kept apart so execAssign, which every
// recursive call nests, has a small frame.
bool Interpreter::appendInPlace(const AssignStmt &s)
{
    const auto &target = static_cast<const NameExpr &>(*s.target);
    Variant *slot = nameRef(target, true);
    if (!slot || !slot->isString() || slot->stringData()->refCount() != 1)
        return false;
    const auto &bin = static_cast<const BinaryExpr &>(*s.value);
    Variant rhs = eval(*bin.right);
    if (rhs.isObject())
        rhs = rhs.valueOf();
    // Re-read: evaluating the right side may have changed the variable.
    slot = nameRef(target, true);
    if (slot && slot->isString() && slot->stringData()->refCount() == 1 && !rhs.isNull()) {
        StringData *data = slot->stringData();
        if (rhs.isString())
            data->append(rhs.string(), rhs.stringData()->oddByte());
        else
            data->append(rhs.toString());
        return true;
    }
    Variant left = slot ? *slot : evalName(target);
    assignTo(*s.target, ops::concat(left, rhs), false);
    return true;
}

// The truth of an If or loop condition; a comparison of two plain numbers
// needs no Variant.
bool Interpreter::condition(const Expr &e)
{
    if (e.kind == ExprKind::Binary) {
        const auto &b = static_cast<const BinaryExpr &>(e);
        const Variant *r = inPlace(*b.right), *l = r ? inPlace(*b.left) : nullptr;
        if (l && ops::fast::isIntegerOrLong(*l) && ops::fast::isIntegerOrLong(*r)) {
            const std::int64_t x = ops::fast::intOf(*l), y = ops::fast::intOf(*r);
            switch (b.op) {
            case BinOp::Eq: return x == y;
            case BinOp::Ne: return x != y;
            case BinOp::Lt: return x < y;
            case BinOp::Gt: return x > y;
            case BinOp::Le: return x <= y;
            case BinOp::Ge: return x >= y;
            default: break;
            }
        }
    }
    const Variant v = eval(e);
    return v.type() == Variant::Type::Boolean ? v.boolValue() : ops::isTrue(v);
}

Interpreter::Flow Interpreter::execIf(const IfStmt &s)
{
    for (const IfBranch &b : s.branches) {
        bool c;
        try {
            c = condition(*b.cond);
        } catch (...) {
            // With On Error Resume Next a failing condition runs its branch.
            if (!resumeInto(b.cond->pos))
                throw;
            c = true;
        }
        if (c)
            return execBlock(b.body);
    }
    return execBlock(s.elseBody);
}

namespace {
bool isLiteral(const Expr &e)
{
    return e.kind == ExprKind::Literal;
}
} // namespace

Interpreter::Flow Interpreter::execSelect(const SelectStmt &s)
{
    Variant subject = eval(*s.subject);
    if (subject.isObject() && subject.object())
        subject = subject.valueOf();
    // The subject is a value computed once: only the case values count as
    // literals ("Select Case 3 ... Case "a"" compares as text, no error).
    for (const CaseClause &c : s.cases) {
        for (const ExprPtr &v : c.values) {
            bool match;
            try {
                match = ops::compareValues(subject, eval(*v), false, isLiteral(*v)) == 0;
            } catch (...) {
                if (!resumeInto(v->pos)) // a failing Case runs its body
                    throw;
                match = true;
            }
            if (match)
                return execBlock(c.body);
        }
    }
    return execBlock(s.elseBody);
}

Interpreter::Flow Interpreter::execFor(const ForStmt &s)
{
    const auto &var = static_cast<const NameExpr &>(*s.var);
    Variant from, to, step;
    try {
        from = eval(*s.from).valueOf();
        to = eval(*s.to).valueOf();
        step = s.step ? eval(*s.step).valueOf() : Variant::fromInteger(1);
        for (const Variant *v : {&from, &to, &step}) {
            if (v->isNull())
                raiseError(RuntimeError::InvalidUseOfNull);
            if (!v->isArithmetic() && !v->isEmpty())
                (void)v->toDouble(); // strings that are numbers pass, others raise 13
        }
    } catch (...) {
        if (!resumeInto(s.pos))
            throw;
        return runOnce(s.body, RuntimeError::ForLoopNotInitialized); // the variable keeps its value
    }
    if (from.isString())
        from = Variant::fromDouble(from.toDouble());
    if (to.isString())
        to = Variant::fromDouble(to.toDouble());
    if (step.isString())
        step = Variant::fromDouble(step.toDouble());
    const bool down = ops::compareValues(step, Variant::fromInteger(0)) < 0;
    {
        Variant *slot = nameRef(var, true);
        if (!slot)
            raiseError(RuntimeError::TypeMismatch);
        *slot = from;
    }
    const bool local = var.binding.kind == Binding::Local;
    while (true) {
        checkpoint();
        Variant *slot = local ? m_frame->slots[var.binding.slot] : nameRef(var, true);
        const int c = ops::fast::isIntegerOrLong(*slot) && ops::fast::isIntegerOrLong(to)
                          ? (ops::fast::intOf(*slot) < ops::fast::intOf(to) ? -1 : ops::fast::intOf(*slot) > ops::fast::intOf(to))
                          : ops::compareValues(*slot, to);
        if (down ? c < 0 : c > 0)
            return Flow::Normal;
        const Flow f = execBlock(s.body);
        if (f == Flow::ExitFor)
            return Flow::Normal;
        if (f != Flow::Normal)
            return f;
        slot = local ? m_frame->slots[var.binding.slot] : nameRef(var, true);
        Variant next;
        if (!ops::fast::binary(BinOp::Add, *slot, step, next))
            next = ops::add(*slot, step);
        *slot = std::move(next);
    }
}

Interpreter::Flow Interpreter::execForEach(const ForEachStmt &s)
{
    const auto &var = static_cast<const NameExpr &>(*s.var);
    std::vector<Variant> items;
    Ref<Array> array;
    try {
        Variant collection = eval(*s.collection);
        if (collection.isArray()) {
            array = collection.arrayRef();
        } else if (collection.isObject()) {
            if (!collection.object())
                raiseError(RuntimeError::ObjectRequired);
            items = collection.object()->enumerate();
        } else {
            raiseError(RuntimeError::NotACollection);
        }
    } catch (...) {
        if (!resumeInto(s.pos))
            throw;
        return runOnce(s.body, RuntimeError::NotACollection);
    }
    const std::size_t n = array ? array->size() : items.size();
    for (std::size_t i = 0; i < n; ++i) {
        checkpoint();
        Variant *slot = nameRef(var, true);
        if (!slot)
            raiseError(RuntimeError::TypeMismatch);
        *slot = array ? (*array)[i] : items[i];
        const Flow f = execBlock(s.body);
        if (f == Flow::ExitFor)
            return Flow::Normal;
        if (f != Flow::Normal)
            return f;
    }
    // Run to its end, the loop leaves its variable Empty.
    if (Variant *slot = nameRef(var, true))
        *slot = Variant();
    return Flow::Normal;
}

Interpreter::Flow Interpreter::execDo(const DoStmt &s)
{
    auto test = [&] {
        const bool c = condition(*s.cond);
        return s.until ? !c : c; // true: go on
    };
    // A test before the body that fails under On Error Resume Next enters
    // the body; one after it leaves the loop.
    auto enter = [&] {
        try {
            return test();
        } catch (...) {
            if (!resumeInto(s.cond->pos))
                throw;
            return true;
        }
    };
    while (true) {
        checkpoint();
        if (s.test == DoStmt::Test::Before && !enter())
            return Flow::Normal;
        const Flow f = execBlock(s.body);
        if (f == Flow::ExitDo && !s.isWhileWend)
            return Flow::Normal;
        if (f != Flow::Normal)
            return f;
        if (s.test == DoStmt::Test::After && !test())
            return Flow::Normal;
    }
}

Interpreter::Flow Interpreter::execWith(const WithStmt &s)
{
    // The object is required (424 for a plain value; Nothing is let in).
    // One that fails under On Error Resume Next leaves the body without an
    // object: each ".member" in it then raises 424.
    Variant object;
    try {
        object = eval(*s.object);
        if (!object.isObject())
            raiseError(RuntimeError::ObjectRequired);
    } catch (...) {
        if (!resumeInto(s.pos))
            throw;
        object = Variant();
    }
    Variant *slot = variableRef(s.binding, true);
    *slot = object;
    struct Clear { Interpreter &in; const Binding &b; ~Clear() { if (Variant *p = in.variableRef(b, true)) *p = Variant(); } } clear{*this, s.binding};
    return execBlock(s.body);
}

void Interpreter::execReDim(const ReDimStmt &s)
{
    for (const ReDimItem &item : s.items) {
        const auto &name = static_cast<const NameExpr &>(*item.target);
        if (!s.preserve) {
            // A fixed array refuses before its new bounds are read (with
            // Preserve, after).
            const Variant *before = nameRef(name, true);
            if (before && before->isArray() && before->array()->isFixed())
                raiseError(RuntimeError::ArrayFixedOrLocked);
        }
        std::vector<Array::Bound> bounds;
        for (const ExprPtr &d : item.dims)
            bounds.push_back(Array::upTo(eval(*d).toLong()));
        Variant *slot = nameRef(name, true);
        if (!slot)
            raiseError(RuntimeError::TypeMismatch);
        if (slot->isArray() && slot->array()->isFixed())
            raiseError(RuntimeError::ArrayFixedOrLocked);
        if (s.preserve && slot->isArray() && slot->array()->dimensions() > 0) {
            Ref<Array> copy = slot->array()->refCount() > 1 ? slot->array()->clone() : slot->arrayRef();
            copy->resizePreserve(bounds);
            *slot = Variant(copy);
        } else {
            // The old elements go first, so that they and the new ones are
            // never held (and charged) at once.
            if (slot->isArray())
                *slot = Variant(Array::createEmpty());
            *slot = Variant(Array::create(std::move(bounds)));
        }
    }
}

void Interpreter::execErase(const EraseStmt &s)
{
    for (const ExprPtr &t : s.targets) {
        const auto &name = static_cast<const NameExpr &>(*t);
        Variant *slot = nameRef(name, true);
        if (!slot || !slot->isArray())
            raiseError(RuntimeError::TypeMismatch);
        if (slot->array()->isFixed()) {
            Ref<Array> copy = slot->array()->refCount() > 1 ? slot->array()->clone() : slot->arrayRef();
            copy->clearElements();
            *slot = Variant(copy);
        } else {
            *slot = Variant(Array::createEmpty());
        }
    }
}

} // namespace vbs
