#include "resolver.h"

#include "errors.h"
#include "lexer.h"
#include "object.h"
#include "runguard.h"
#include "text.h"

namespace vbs {

using namespace ast;

namespace {

// Calls f on every statement of a block, nested blocks included (for
// hoisting declarations out of If/loops/With).
template <class F>
void forEachStatement(Block &b, F &&f)
{
    for (StmtPtr &st : b) {
        f(*st);
        work(4);
        switch (st->kind) {
        case StmtKind::If: {
            auto &s = static_cast<IfStmt &>(*st);
            for (IfBranch &br : s.branches)
                forEachStatement(br.body, f);
            forEachStatement(s.elseBody, f);
            break;
        }
        case StmtKind::Select: {
            auto &s = static_cast<SelectStmt &>(*st);
            for (CaseClause &c : s.cases)
                forEachStatement(c.body, f);
            forEachStatement(s.elseBody, f);
            break;
        }
        case StmtKind::For: forEachStatement(static_cast<ForStmt &>(*st).body, f); break;
        case StmtKind::ForEach: forEachStatement(static_cast<ForEachStmt &>(*st).body, f); break;
        case StmtKind::Do: forEachStatement(static_cast<DoStmt &>(*st).body, f); break;
        case StmtKind::With: forEachStatement(static_cast<WithStmt &>(*st).body, f); break;
        default: break;
        }
    }
}

SlotInit initFor(int slot, const VarDecl &v)
{
    SlotInit init;
    init.slot = slot;
    if (!v.hasDims) {
        init.what = SlotInit::What::Declare;
    } else if (v.dims.empty()) {
        init.what = SlotInit::What::DynamicArray;
    } else {
        init.what = SlotInit::What::FixedArray;
        init.dims = v.dims;
    }
    return init;
}

} // namespace

Resolver::Resolver(GlobalTable &globals, const BuiltinTable &builtins) : m_globals(globals), m_builtins(builtins) {}

void Resolver::fail(CompileError number, Pos pos) const
{
    raiseCompileError(number, pos.line, pos.column, m_source ? Lexer::lineText(*m_source, pos.line) : std::u16string());
}

bool Resolver::isGlobalName(const std::u16string &folded) const
{
    if (m_unitGlobals.count(folded))
        return true;
    const int slot = m_globals.find(folded);
    return slot >= 0 && m_globals[slot].defined;
}

void Resolver::resolve(Program &program)
{
    m_program = &program;
    m_source = &program.source;
    m_explicit = program.optionExplicit;
    declareGlobals(program);
    Scope global;
    block(program.body, global);
    for (auto &proc : program.procs)
        resolveProc(*proc, nullptr);
    for (auto &cls : program.classes)
        for (auto &proc : cls->procs)
            resolveProc(*proc, cls.get());
}

void Resolver::resolveInScope(Program &program, ProcDecl *scope, ClassDecl *cls)
{
    m_program = &program;
    m_source = &program.source;
    m_explicit = program.optionExplicit;
    declareGlobals(program);
    Scope s;
    s.proc = scope;
    s.cls = cls;
    s.dynamic = true;
    block(program.body, s);
    for (auto &proc : program.procs)
        resolveProc(*proc, nullptr);
    for (auto &c : program.classes)
        for (auto &proc : c->procs)
            resolveProc(*proc, c.get());
}

void Resolver::resolveExpression(Expr &e, const std::u16string &source, ProcDecl *scope, ClassDecl *cls)
{
    m_source = &source;
    m_program = nullptr;
    Scope s;
    s.proc = scope;
    s.cls = cls;
    s.dynamic = true;
    expr(&e, s);
}

void Resolver::declareGlobals(Program &program)
{
    auto declare = [&](const std::u16string &name, Pos pos) {
        const std::u16string folded = foldCase(name);
        if (!m_unitGlobals.insert(folded).second)
            fail(CompileError::NameRedefined, pos);
        return m_globals.intern(name, folded);
    };
    for (auto &cls : program.classes) {
        const int slot = declare(cls->name, cls->pos);
        program.classSlots.emplace_back(slot, cls.get());
        declareClass(*cls);
    }
    std::unordered_set<std::u16string> procNames;
    for (auto &proc : program.procs) {
        // A procedure defined again replaces the earlier one (installed in order).
        const std::u16string folded = foldCase(proc->name);
        const int slot = procNames.insert(folded).second ? declare(proc->name, proc->pos)
                                                         : m_globals.find(folded);
        program.procSlots.emplace_back(slot, proc.get());
    }
    forEachStatement(program.body, [&](Stmt &st) {
        if (st.kind == StmtKind::ReDim) {
            for (ReDimItem &item : static_cast<ReDimStmt &>(st).items) {
                const auto &n = static_cast<NameExpr &>(*item.target);
                const std::u16string folded = foldCase(n.name);
                if (!isGlobalName(folded)) {
                    m_unitGlobals.insert(folded);
                    SlotInit init;
                    init.slot = m_globals.intern(n.name, folded);
                    program.globalInits.push_back(std::move(init));
                }
            }
        }
        if (st.kind == StmtKind::Dim) {
            for (VarDecl &v : static_cast<DimStmt &>(st).vars) {
                const int slot = declare(v.name, v.pos);
                v.binding = {Binding::Global, false, slot, -1};
                program.globalInits.push_back(initFor(slot, v));
            }
        } else if (st.kind == StmtKind::Const) {
            for (ConstItem &c : static_cast<ConstStmt &>(st).items) {
                const int slot = declare(c.name, c.pos);
                c.binding = {Binding::Global, false, slot, -1};
                SlotInit init;
                init.slot = slot;
                init.what = SlotInit::What::Constant;
                init.value = c.value;
                program.globalInits.push_back(std::move(init));
            }
        }
    });
}

void Resolver::declareClass(ClassDecl &cls)
{
    auto memberFor = [&](const std::u16string &name) -> ClassMember & {
        const std::u16string folded = foldCase(name);
        auto it = cls.memberIndex.find(folded);
        if (it == cls.memberIndex.end()) {
            cls.members.push_back(ClassMember{name});
            it = cls.memberIndex.emplace(folded, static_cast<int>(cls.members.size() - 1)).first;
        }
        return cls.members[static_cast<std::size_t>(it->second)];
    };
    for (std::size_t i = 0; i < cls.fields.size(); ++i) {
        const FieldDecl &f = cls.fields[i];
        if (cls.memberIndex.count(foldCase(f.name)))
            fail(CompileError::NameRedefined, f.pos);
        ClassMember &m = memberFor(f.name);
        m.field = static_cast<int>(i);
        m.isPublic = f.isPublic;
    }
    for (auto &procPtr : cls.procs) {
        ProcDecl &p = *procPtr;
        const bool existed = cls.memberIndex.count(foldCase(p.name)) != 0;
        ClassMember &m = memberFor(p.name);
        ProcDecl **slot = nullptr;
        switch (p.kind) {
        case ProcKind::Sub:
        case ProcKind::Function: slot = &m.method; break;
        case ProcKind::PropertyGet: slot = &m.get; break;
        case ProcKind::PropertyLet: slot = &m.let; break;
        case ProcKind::PropertySet: slot = &m.set; break;
        }
        const bool isProperty = p.kind != ProcKind::Sub && p.kind != ProcKind::Function;
        if (*slot || m.field >= 0 || (existed && !isProperty) || (isProperty && m.method))
            fail(CompileError::NameRedefined, p.pos);
        *slot = &p;
        if (!existed)
            m.isPublic = p.isPublic;
        else if (p.isPublic)
            m.isPublic = true;
        if (p.isDefault) {
            const int index = cls.memberIndex[foldCase(p.name)];
            if (cls.defaultMember >= 0 && cls.defaultMember != index)
                fail(CompileError::MultipleDefaults, p.pos);
            cls.defaultMember = index;
        }
        if (p.kind == ProcKind::Sub && equalsNoCase(p.name, u"Class_Initialize"))
            cls.initialize = &p;
        if (p.kind == ProcKind::Sub && equalsNoCase(p.name, u"Class_Terminate"))
            cls.terminate = &p;
    }
    for (const ClassMember &m : cls.members) {
        const std::size_t getArgs = m.get ? m.get->params.size() : 0;
        for (ProcDecl *setter : {m.let, m.set})
            if (setter && m.get && setter->params.size() != getArgs + 1)
                fail(CompileError::InconsistentPropertyArguments, setter->pos);
        if (m.let && m.set && m.let->params.size() != m.set->params.size())
            fail(CompileError::InconsistentPropertyArguments, m.set->pos);
    }
}

int Resolver::addLocal(ProcDecl &proc, const std::u16string &name, Pos pos)
{
    const std::u16string folded = foldCase(name);
    if (proc.locals.count(folded))
        fail(CompileError::NameRedefined, pos);
    const int slot = proc.slotCount++;
    proc.locals.emplace(folded, slot);
    return slot;
}

void Resolver::collectLocals(ProcDecl &proc, const Block &body, ClassDecl *cls)
{
    forEachStatement(const_cast<Block &>(body), [&](Stmt &st) {
        if (st.kind == StmtKind::ReDim) {
            // ReDim declares a name nothing else declares (also under Option Explicit).
            for (ReDimItem &item : static_cast<ReDimStmt &>(st).items) {
                const auto &n = static_cast<NameExpr &>(*item.target);
                const std::u16string folded = foldCase(n.name);
                if (!proc.locals.count(folded) && !(cls && cls->memberIndex.count(folded)) && !isGlobalName(folded) &&
                    !(proc.resultSlot >= 0 && foldCase(proc.name) == folded))
                    proc.locals.emplace(folded, proc.slotCount++);
            }
        }
        if (st.kind == StmtKind::Dim) {
            for (VarDecl &v : static_cast<DimStmt &>(st).vars) {
                const int slot = addLocal(proc, v.name, v.pos);
                v.binding = {Binding::Local, false, slot, -1};
                if (v.hasDims && v.dims.empty()) // a fixed array is made by its Dim
                    proc.inits.push_back(initFor(slot, v));
            }
        } else if (st.kind == StmtKind::Const) {
            for (ConstItem &c : static_cast<ConstStmt &>(st).items) {
                const int slot = addLocal(proc, c.name, c.pos);
                c.binding = {Binding::Local, false, slot, -1};
                SlotInit init;
                init.slot = slot;
                init.what = SlotInit::What::Constant;
                init.value = c.value;
                proc.inits.push_back(std::move(init));
            }
        }
    });
}

void Resolver::resolveProc(ProcDecl &proc, ClassDecl *cls)
{
    proc.slotCount = 0;
    proc.locals.clear();
    for (const Param &p : proc.params)
        addLocal(proc, p.name, p.pos);
    if (proc.kind == ProcKind::Function || proc.kind == ProcKind::PropertyGet)
        proc.resultSlot = proc.slotCount++;
    collectLocals(proc, proc.body, cls);
    Scope s;
    s.proc = &proc;
    s.cls = cls;
    block(proc.body, s);
}

void Resolver::block(Block &b, Scope &s)
{
    for (StmtPtr &st : b)
        statement(*st, s);
}

void Resolver::statement(Stmt &st, Scope &s)
{
    work(16);
    switch (st.kind) {
    case StmtKind::Call: {
        auto &c = static_cast<CallStmt &>(st);
        if (c.call->kind == ExprKind::Name)
            name(static_cast<NameExpr &>(*c.call), s, true);
        else
            expr(c.call.get(), s);
        break;
    }
    case StmtKind::Assign: {
        auto &a = static_cast<AssignStmt &>(st);
        if (a.target->kind == ExprKind::Name)
            name(static_cast<NameExpr &>(*a.target), s, false);
        else
            expr(a.target.get(), s);
        expr(a.value.get(), s);
        if (!a.isSet && a.target->kind == ExprKind::Name && a.value->kind == ExprKind::Binary) {
            auto &bin = static_cast<BinaryExpr &>(*a.value);
            if (bin.op == BinOp::Concat && bin.left->kind == ExprKind::Name) {
                const Binding &t = static_cast<NameExpr &>(*a.target).binding;
                const Binding &l = static_cast<NameExpr &>(*bin.left).binding;
                a.appendSelf = t.kind == l.kind && t.slot == l.slot && t.slot2 == l.slot2 &&
                               (t.kind == Binding::Local || t.kind == Binding::Global || t.kind == Binding::Field);
            }
        }
        break;
    }
    case StmtKind::Dim:
        if (s.dynamic || !s.proc) {
            // Execute/ExecuteGlobal code declares globals; global Dims were hoisted.
            for (VarDecl &v : static_cast<DimStmt &>(st).vars)
                if (v.binding.kind == Binding::Unresolved)
                    v.binding = bind(v.name, s, false);
        }
        break;
    case StmtKind::ReDim:
        for (ReDimItem &item : static_cast<ReDimStmt &>(st).items) {
            name(static_cast<NameExpr &>(*item.target), s, false);
            for (ExprPtr &d : item.dims)
                expr(d.get(), s);
        }
        break;
    case StmtKind::Erase:
        for (ExprPtr &t : static_cast<EraseStmt &>(st).targets)
            name(static_cast<NameExpr &>(*t), s, false);
        break;
    case StmtKind::Const: break;
    case StmtKind::If: {
        auto &i = static_cast<IfStmt &>(st);
        for (IfBranch &b : i.branches) {
            expr(b.cond.get(), s);
            block(b.body, s);
        }
        block(i.elseBody, s);
        break;
    }
    case StmtKind::Select: {
        auto &sel = static_cast<SelectStmt &>(st);
        expr(sel.subject.get(), s);
        for (CaseClause &c : sel.cases) {
            for (ExprPtr &v : c.values)
                expr(v.get(), s);
            block(c.body, s);
        }
        block(sel.elseBody, s);
        break;
    }
    case StmtKind::For: {
        auto &f = static_cast<ForStmt &>(st);
        name(static_cast<NameExpr &>(*f.var), s, false);
        expr(f.from.get(), s);
        expr(f.to.get(), s);
        if (f.step)
            expr(f.step.get(), s);
        block(f.body, s);
        break;
    }
    case StmtKind::ForEach: {
        auto &f = static_cast<ForEachStmt &>(st);
        name(static_cast<NameExpr &>(*f.var), s, false);
        expr(f.collection.get(), s);
        block(f.body, s);
        break;
    }
    case StmtKind::Do: {
        auto &d = static_cast<DoStmt &>(st);
        if (d.cond)
            expr(d.cond.get(), s);
        block(d.body, s);
        break;
    }
    case StmtKind::With: {
        auto &w = static_cast<WithStmt &>(st);
        expr(w.object.get(), s);
        if (s.proc && !s.dynamic)
            w.binding = {Binding::Local, false, s.proc->slotCount++, -1};
        else
            w.binding = {Binding::Global, false, m_globals.hidden(), -1};
        s.withStack.push_back(w.binding);
        block(w.body, s);
        s.withStack.pop_back();
        break;
    }
    case StmtKind::Exit:
    case StmtKind::OnError:
    case StmtKind::Nop: break;
    }
}

void Resolver::expr(Expr *e, Scope &s)
{
    if (!e)
        return;
    work(16);
    switch (e->kind) {
    case ExprKind::Literal: break;
    case ExprKind::Name: name(static_cast<NameExpr &>(*e), s, false); break;
    case ExprKind::Member: {
        auto &m = static_cast<MemberExpr &>(*e);
        m.folded = foldCase(m.name);
        expr(m.object.get(), s);
        break;
    }
    case ExprKind::Call: {
        auto &c = static_cast<CallExpr &>(*e);
        if (c.callee->kind == ExprKind::Name)
            name(static_cast<NameExpr &>(*c.callee), s, true);
        else
            expr(c.callee.get(), s);
        for (ExprPtr &a : c.args)
            expr(a.get(), s);
        break;
    }
    case ExprKind::With: {
        auto &w = static_cast<WithExpr &>(*e);
        if (!s.withStack.empty())
            w.binding = s.withStack.back();
        break;
    }
    case ExprKind::Me: break; // outside a class: the global scope
    case ExprKind::New:
        // Under Option Explicit an unknown class name is an undefined variable (500).
        static_cast<NewExpr &>(*e).binding.explicitOnly = m_explicit;
        break;
    case ExprKind::Unary: expr(static_cast<UnaryExpr &>(*e).operand.get(), s); break;
    case ExprKind::Binary: {
        auto &b = static_cast<BinaryExpr &>(*e);
        expr(b.left.get(), s);
        expr(b.right.get(), s);
        break;
    }
    case ExprKind::Chain: {
        auto &c = static_cast<ChainExpr &>(*e);
        expr(c.first.get(), s);
        for (ChainLink &link : c.rest)
            expr(link.operand.get(), s);
        break;
    }
    case ExprKind::Paren: expr(static_cast<ParenExpr &>(*e).inner.get(), s); break;
    }
}

void Resolver::name(NameExpr &n, Scope &s, bool asCallee)
{
    n.binding = bind(n.name, s, asCallee);
}

Binding Resolver::bind(const std::u16string &nameText, Scope &s, bool asCallee)
{
    const std::u16string folded = foldCase(nameText);
    if (ProcDecl *proc = s.proc) {
        if (!asCallee && proc->resultSlot >= 0 && foldCase(proc->name) == folded)
            return {Binding::Local, false, proc->resultSlot, -1};
        const auto it = proc->locals.find(folded);
        if (it != proc->locals.end())
            return {Binding::Local, false, it->second, -1};
        const auto imp = s.implicit.find(folded);
        if (imp != s.implicit.end())
            return imp->second;
    }
    if (ClassDecl *cls = s.cls) {
        const auto it = cls->memberIndex.find(folded);
        if (it != cls->memberIndex.end()) {
            const ClassMember &m = cls->members[static_cast<std::size_t>(it->second)];
            if (m.field >= 0)
                return {Binding::Field, false, m.field, -1};
            return {Binding::Member, false, it->second, -1};
        }
    }
    if (isGlobalName(folded))
        return {Binding::Global, false, m_globals.intern(nameText, folded), -1};
    if (folded == u"err")
        return {Binding::ErrObject, false, -1, -1};
    const int fn = m_builtins.functionIndex(folded);
    if (fn >= 0)
        return {Binding::Builtin, false, fn, -1};
    const int c = m_builtins.constantIndex(folded);
    if (c >= 0)
        return {Binding::BuiltinConst, false, c, -1};
    const int global = m_globals.intern(nameText, folded);
    if (s.proc && !s.dynamic) {
        const int local = s.proc->slotCount++;
        const Binding b{Binding::LocalOrGlobal, m_explicit, local, global};
        s.implicit.emplace(folded, b);
        return b;
    }
    return {Binding::Global, m_explicit, global, -1};
}

} // namespace vbs
