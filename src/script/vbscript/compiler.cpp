// The compiler's frame: code buffers, registers, constants and names, and
// the statements.
#include "compiler.h"

#include "errors.h"
#include "runguard.h"

#include <algorithm>
#include <cstring>

namespace vbs {

using namespace ast;
using vm::Op;
using vm::Word;
namespace flag = vm::flag;

Compiler::Compiler(GlobalTable &globals, const BuiltinTable &builtins) : m_globals(globals), m_builtins(builtins) {}

// --- code --------------------------------------------------------------------

std::shared_ptr<vm::Code> Compiler::begin(const ProcDecl *proc, const std::u16string &source, Word named)
{
    m_current = std::make_shared<vm::Code>();
    m_code = m_current.get();
    m_code->proc = proc;
    m_code->source = &source;
    m_code->named = named;
    m_code->firstLocal = named; // Execute and Eval code: the slots are the caller's
    m_top = m_high = named;
    m_constFixups.clear();
    m_constIndex.clear();
    m_nameIndex.clear();
    m_blocks.clear();
    m_charged = 0;
    return m_current;
}

void Compiler::emit(Word w)
{
    m_code->words.push_back(w);
}

void Compiler::reg(Word r)
{
    if (r & kConst)
        m_constFixups.push_back(here());
    emit(r);
}

vm::Word Compiler::jump(Op op, Word flags)
{
    emit(vm::make(op, flags));
    emit(0);
    return here() - 1;
}

void Compiler::unit(Word start, Pos pos, Word resume, Word tempBase)
{
    if (start == here())
        return;
    m_code->units.push_back(vm::Unit{start, here(), resume, tempBase, pos});
    // Charge what the code holds as it grows, and look at the deadline.
    work(8);
    const std::size_t bytes = m_code->words.capacity() * sizeof(Word) + m_code->units.capacity() * sizeof(vm::Unit) +
                              m_code->constants.capacity() * sizeof(Variant) + m_code->names.capacity() * sizeof(vm::Name);
    if (bytes > m_charged + 4096) {
        m_code->memory.resize(bytes);
        m_charged = bytes;
    }
}

void Compiler::finish()
{
    vm::Code &c = *m_code;
    c.own = m_high;
    c.registers = c.own + static_cast<Word>(c.constants.size());
    c.frameBytes = (c.own * sizeof(Variant) + c.registers * sizeof(Variant *) + 15) & ~std::size_t(15);
    for (Word at : m_constFixups)
        c.words[at] = c.own + (c.words[at] & ~kConst);
    // A jump to a jump goes to the end of the chain; a jump to a Return returns.
    for (std::size_t pc = 0; pc < c.words.size(); pc += vm::length(&c.words[pc])) {
        if (vm::opOf(c.words[pc]) != Op::Jump)
            continue;
        Word target = c.words[pc + 1];
        for (int hops = 0; hops < 8 && vm::opOf(c.words[target]) == Op::Jump; ++hops)
            target = c.words[target + 1];
        c.words[pc + 1] = target;
        if (vm::opOf(c.words[target]) == Op::Return) {
            c.words[pc] = vm::make(Op::Return);
            c.words[pc + 1] = vm::make(Op::Nop);
        }
    }
    c.globals.reserve(c.names.size());
    for (const vm::Name &n : c.names)
        c.globals.push_back(n.global);
    std::sort(c.units.begin(), c.units.end(), [](const vm::Unit &a, const vm::Unit &b) { return a.start < b.start; });
    c.caches.shrink_to_fit();
    c.words.shrink_to_fit();
    c.units.shrink_to_fit();
    std::size_t bytes = sizeof(vm::Code) + c.words.size() * sizeof(Word) + c.units.size() * sizeof(vm::Unit) +
                        c.constants.size() * sizeof(Variant) + c.caches.size() * sizeof(vm::MemberCache);
    for (const vm::Name &n : c.names)
        bytes += sizeof(vm::Name) + (n.text.size() + n.folded.size()) * sizeof(char16_t);
    c.memory.resize(bytes);
    m_code = nullptr;
}

void Compiler::procedure(ProcDecl &proc, const std::u16string &source)
{
    proc.code = begin(&proc, source, static_cast<Word>(proc.slotCount));
    m_code->resultReg = proc.resultSlot;
    m_code->params = static_cast<Word>(proc.params.size());
    for (std::size_t i = 0; i < proc.params.size(); ++i)
        if (proc.params[i].byVal && i < 64)
            m_code->byValue |= std::uint64_t(1) << i;
    m_code->hasInits = !proc.inits.empty();
    m_code->simpleCall = !m_code->hasInits && proc.params.size() <= 64;
    m_code->firstLocal = static_cast<Word>(proc.params.size()) + (proc.resultSlot >= 0 ? 1 : 0);
    m_code->oneRefFunction = m_code->simpleCall && proc.params.size() == 1 && !proc.params[0].byVal &&
                             proc.resultSlot == 1;
    block(proc.body);
    emit(vm::make(Op::Return));
    finish();
}

void Compiler::compile(Program &program, const ProcDecl *scope)
{
    m_program = &program;
    for (auto &proc : program.procs)
        procedure(*proc, program.source);
    for (auto &cls : program.classes)
        for (auto &proc : cls->procs)
            procedure(*proc, program.source);
    program.main = begin(scope, program.source, scope ? static_cast<Word>(scope->slotCount) : 0);
    block(program.body);
    emit(vm::make(Op::Return));
    finish();
    m_program = nullptr;
}

std::shared_ptr<vm::Code> Compiler::compileExpression(const Expr &e, const std::u16string &source,
                                                      const ProcDecl *scope)
{
    std::shared_ptr<vm::Code> code = begin(scope, source, scope ? static_cast<Word>(scope->slotCount) : 0);
    const Word start = here();
    const Word t = temp();
    into(e, t);
    unit(start, e.pos, here(), m_code->named);
    m_code->resultReg = static_cast<int>(t);
    emit(vm::make(Op::Return));
    finish();
    return code;
}

// --- registers, constants and names --------------------------------------------

vm::Word Compiler::temp()
{
    const Word r = m_top++;
    m_high = std::max(m_high, m_top);
    if (m_top >= kConst)
        raiseError(RuntimeError::OutOfMemory);
    if (m_plain.size() <= r)
        m_plain.resize(r + 1);
    m_plain[r] = false;
    return r;
}

vm::Word Compiler::temps(Word n)
{
    const Word first = m_top;
    for (Word i = 0; i < n; ++i)
        temp();
    return first;
}

namespace {

// A key telling constants apart by subtype and payload.
std::string constantKey(const Variant &v)
{
    std::string key(1, static_cast<char>(v.type()));
    switch (v.type()) {
    case Variant::Type::String:
        key.append(reinterpret_cast<const char *>(v.string().data()), v.string().size() * sizeof(char16_t));
        break;
    case Variant::Type::Object:
    case Variant::Type::Array: key.append(std::to_string(reinterpret_cast<std::uintptr_t>(v.array()))); break;
    default: {
        char raw[8];
        const std::int64_t bits = v.type() == Variant::Type::Currency ? v.currencyValue() : 0;
        std::memcpy(raw, &bits, 8);
        key.append(raw, 8);
        double d = 0;
        switch (v.type()) {
        case Variant::Type::Boolean: d = v.boolValue(); break;
        case Variant::Type::Byte: d = v.byteValue(); break;
        case Variant::Type::Integer: d = v.integerValue(); break;
        case Variant::Type::Long:
        case Variant::Type::Error: d = v.type() == Variant::Type::Long ? v.longValue() : v.errorValue(); break;
        case Variant::Type::Single: d = v.singleValue(); break;
        case Variant::Type::Double: d = v.doubleValue(); break;
        case Variant::Type::Date: d = v.dateValue(); break;
        default: break;
        }
        std::memcpy(raw, &d, 8);
        key.append(raw, 8);
        break;
    }
    }
    return key;
}

} // namespace

vm::Word Compiler::constant(const Variant &v)
{
    auto [it, added] = m_constIndex.emplace(constantKey(v), static_cast<Word>(m_code->constants.size()));
    if (added)
        m_code->constants.push_back(v);
    return kConst | it->second;
}

vm::Word Compiler::name(const Binding &b, const std::u16string &text)
{
    std::u16string key(1, static_cast<char16_t>(b.kind));
    key += static_cast<char16_t>(b.explicitOnly);
    for (std::int32_t part : {b.slot, b.slot2}) {
        key += static_cast<char16_t>(static_cast<std::uint32_t>(part) & 0xFFFFu);
        key += static_cast<char16_t>(static_cast<std::uint32_t>(part) >> 16);
    }
    key += text;
    auto [it, added] = m_nameIndex.emplace(std::move(key), static_cast<Word>(m_code->names.size()));
    if (added) {
        vm::Name n;
        n.binding = b;
        n.text = text;
        n.folded = foldCase(text);
        if (b.kind == Binding::Global)
            n.global = &m_globals[b.slot];
        else if (b.kind == Binding::LocalOrGlobal)
            n.global = &m_globals[b.slot2];
        m_code->names.push_back(std::move(n));
    }
    return it->second;
}

vm::Word Compiler::name(const NameExpr &n)
{
    return name(n.binding, n.name);
}

// A global name that is a procedure now, or will be when this unit loads:
// a procedure never turns into a variable.
bool Compiler::knownProcedure(const Binding &b) const
{
    if (b.kind != Binding::Global)
        return false;
    if (m_globals[b.slot].proc)
        return true;
    if (m_program)
        for (const auto &[slot, proc] : m_program->procSlots)
            if (slot == b.slot)
                return true;
    return false;
}

vm::Word Compiler::cache()
{
    m_code->caches.emplace_back();
    return static_cast<Word>(m_code->caches.size() - 1);
}

// --- statements ----------------------------------------------------------------

void Compiler::block(const ast::Block &b)
{
    for (const StmtPtr &st : b)
        statement(*st);
}

void Compiler::statement(const Stmt &st)
{
    const Word start = here(), base = m_top;
    switch (st.kind) {
    case StmtKind::Call: callStatement(static_cast<const CallStmt &>(st)); break;
    case StmtKind::Assign: assign(static_cast<const AssignStmt &>(st)); break;
    case StmtKind::ReDim: reDim(static_cast<const ReDimStmt &>(st)); break;
    case StmtKind::Erase: erase(static_cast<const EraseStmt &>(st)); break;
    case StmtKind::OnError:
        emit(vm::make(Op::OnError, static_cast<const OnErrorStmt &>(st).resumeNext ? flag::Resume : 0));
        break;
    case StmtKind::If: ifStmt(static_cast<const IfStmt &>(st)); return;
    case StmtKind::Select: selectStmt(static_cast<const SelectStmt &>(st)); return;
    case StmtKind::For: forStmt(static_cast<const ForStmt &>(st)); return;
    case StmtKind::ForEach: forEachStmt(static_cast<const ForEachStmt &>(st)); return;
    case StmtKind::Do: doStmt(static_cast<const DoStmt &>(st)); return;
    case StmtKind::With: withStmt(static_cast<const WithStmt &>(st)); return;
    case StmtKind::Exit: exitStmt(static_cast<const ExitStmt &>(st)); return;
    case StmtKind::Dim:
        // A fixed array is made when its Dim runs (Empty until then); the
        // other declarations take effect when the unit or the procedure starts.
        fixedArrays(static_cast<const DimStmt &>(st));
        break;
    case StmtKind::Const:
    case StmtKind::Nop: return;
    }
    unit(start, st.pos, here(), base);
    release(base);
}

namespace {

bool isComparison(BinOp op)
{
    return op >= BinOp::Eq && op <= BinOp::Ge;
}

} // namespace

void Compiler::branchUnless(const Expr &cond, Word &patchAt, bool jumpWhenTrue)
{
    const Word base = m_top;
    const Expr &e = unparenthesized(cond);
    if (e.kind == ExprKind::Binary && isComparison(static_cast<const BinaryExpr &>(e).op)) {
        const auto &b = static_cast<const BinaryExpr &>(e);
        const Word a = value(unparenthesized(*b.left), pure(b.right.get()));
        const Word r = value(unparenthesized(*b.right));
        Word flags = (isTemp(a) ? flag::T0 : 0) | (isTemp(r) ? flag::T1 : 0) |
                     (b.left->kind == ExprKind::Literal ? flag::LitA : 0) |
                     (b.right->kind == ExprKind::Literal ? flag::LitB : 0);
        const Op first = jumpWhenTrue ? Op::JumpIfEq : Op::JumpNotEq;
        emit(vm::make(static_cast<Op>(static_cast<int>(first) + static_cast<int>(b.op) - static_cast<int>(BinOp::Eq)),
                      flags));
        reg(a);
        reg(r);
        emit(0);
        patchAt = here() - 1;
    } else {
        const Word c = value(cond);
        emit(vm::make(jumpWhenTrue ? Op::JumpTrue : Op::JumpFalse, isTemp(c) ? flag::T0 : 0));
        reg(c);
        emit(0);
        patchAt = here() - 1;
    }
    release(base);
}

void Compiler::ifStmt(const IfStmt &s)
{
    std::vector<Word> toEnd;
    for (std::size_t i = 0; i < s.branches.size(); ++i) {
        const IfBranch &b = s.branches[i];
        const Word start = here(), base = m_top;
        Word skip = 0;
        branchUnless(*b.cond, skip);
        // With On Error Resume Next a failing condition runs its branch.
        unit(start, s.pos, here(), base);
        block(b.body);
        if (i + 1 < s.branches.size() || !s.elseBody.empty())
            toEnd.push_back(jump(Op::Jump));
        patchHere(skip);
    }
    block(s.elseBody);
    for (Word at : toEnd)
        patchHere(at);
}

void Compiler::selectStmt(const SelectStmt &s)
{
    const Word start = here(), base = m_top;
    const Word subject = temp();
    const Word r = value(*s.subject);
    emit(vm::make(Op::Subject, isTemp(r) ? flag::T0 : 0));
    reg(subject);
    reg(r);
    // The subject is a value computed once: only the case values count as
    // literals ("Select Case 3 ... Case "a"" compares as text, no error).
    std::vector<std::vector<Word>> toBody(s.cases.size());
    // Each Case value is a unit of its own: when it fails under On Error
    // Resume Next, its body runs.
    struct CaseUnit { Word from, to; std::size_t body; };
    std::vector<CaseUnit> caseUnits;
    const Word subjectEnd = here();
    for (std::size_t i = 0; i < s.cases.size(); ++i) {
        for (const ExprPtr &v : s.cases[i].values) {
            const Word mark = m_top, valueStart = here();
            const Word x = value(*v);
            // The subject goes once a case matches (T0), or before Case Else.
            emit(vm::make(Op::CaseJump, flag::T0 | (isTemp(x) ? flag::T1 : 0) |
                                            (v->kind == ExprKind::Literal ? flag::LitB : 0)));
            reg(subject);
            reg(x);
            emit(0);
            toBody[i].push_back(here() - 1);
            caseUnits.push_back(CaseUnit{valueStart, here(), i});
            release(mark);
        }
    }
    const Word casesEnd = here();
    emit(vm::make(Op::Move));
    reg(subject);
    reg(emptyConst());
    const Word toElse = jump(Op::Jump);
    const Word headEnd = here();
    std::vector<Word> toEnd, bodies;
    for (std::size_t i = 0; i < s.cases.size(); ++i) {
        bodies.push_back(here());
        for (Word at : toBody[i])
            patchHere(at);
        block(s.cases[i].body);
        toEnd.push_back(jump(Op::Jump));
    }
    patchHere(toElse);
    block(s.elseBody);
    for (Word at : toEnd)
        patchHere(at);
    m_code->units.push_back(vm::Unit{start, subjectEnd, here(), base, s.pos});
    for (const CaseUnit &c : caseUnits)
        m_code->units.push_back(vm::Unit{c.from, c.to, bodies[c.body], base, s.pos});
    m_code->units.push_back(vm::Unit{casesEnd, headEnd, here(), base, s.pos});
    release(base);
}

void Compiler::fixedArrays(const DimStmt &s)
{
    for (const VarDecl &v : s.vars) {
        if (v.dims.empty())
            continue;
        const bool local = v.binding.kind == Binding::Local;
        emit(vm::make(Op::ReDim, flag::Fixed | (local ? 0 : flag::VarName)));
        emit(local ? static_cast<Word>(v.binding.slot) : name(v.binding, v.name));
        emit(static_cast<Word>(v.dims.size()));
        for (std::int32_t d : v.dims)
            reg(constant(Variant::fromLong(d)));
    }
}

std::pair<vm::Word, vm::Word> Compiler::variable(const NameExpr &n)
{
    if (n.binding.kind == Binding::Local)
        return {static_cast<Word>(n.binding.slot), 0};
    return {name(n), flag::VarName};
}

void Compiler::forStmt(const ForStmt &s)
{
    const Word start = here(), base = m_top;
    const Word state = temps(3); // limit, step, direction
    const auto [var, varFlag] = variable(static_cast<const NameExpr &>(*s.var));
    const Word from = value(*s.from, pure(s.to.get()) && pure(s.step.get()));
    const Word to = value(*s.to, pure(s.step.get()));
    const Word step = s.step ? value(*s.step) : constant(Variant::fromInteger(1));
    emit(vm::make(Op::ForInit, varFlag));
    reg(var);
    reg(from);
    reg(to);
    reg(step);
    reg(state);
    emit(0);
    release(state + 3);
    loopRest(LoopHead{start, base, var, varFlag, state, s.pos}, Block{Block::For}, Op::ForNext, s.body);
}

void Compiler::forEachStmt(const ForEachStmt &s)
{
    const Word start = here(), base = m_top;
    const Word state = temps(2); // the items, the position
    const auto [var, varFlag] = variable(static_cast<const NameExpr &>(*s.var));
    const Word collection = value(*s.collection);
    emit(vm::make(Op::ForEachInit, varFlag));
    reg(var);
    reg(collection);
    reg(state);
    emit(0);
    release(state + 2);
    Block b{Block::ForEach};
    b.state = state;
    loopRest(LoopHead{start, base, var, varFlag, state, s.pos}, std::move(b), Op::ForEachNext, s.body);
}

void Compiler::loopRest(const LoopHead &h, Block b, Op nextOp, const ast::Block &body)
{
    const Word toExit = here() - 1, headEnd = here();
    m_blocks.push_back(std::move(b));
    const Word bodyAt = here();
    block(body);
    const Word next = here();
    emit(vm::make(nextOp, h.varFlag));
    reg(h.var);
    reg(h.state);
    emit(bodyAt);
    const Word end = here();
    patch(toExit, end);
    for (Word at : m_blocks.back().exits)
        patch(at, end);
    m_blocks.pop_back();
    // A header that fails under On Error Resume Next goes on into the body,
    // its state Empty: the Next then fails (92, For Each 451).
    m_code->units.push_back(vm::Unit{h.start, headEnd, bodyAt, h.base, h.pos});
    m_code->units.push_back(vm::Unit{next, end, end, h.base, h.pos});
    release(h.base);
}

void Compiler::doStmt(const DoStmt &s)
{
    const Word base = m_top;
    m_blocks.push_back(Block{s.isWhileWend ? Block::While : Block::Do});
    std::vector<std::pair<Word, Word>> heads; // [start, end) of the tests and the loop's end
    std::vector<Word> toEnd;
    const Word top = here();
    if (s.test == DoStmt::Test::Before) {
        const Word start = here();
        Word at = 0;
        branchUnless(*s.cond, at, s.until);
        toEnd.push_back(at);
        // A test before the body that fails under On Error Resume Next enters it.
        m_code->units.push_back(vm::Unit{start, here(), here(), base, s.pos});
    }
    block(s.body);
    if (s.test == DoStmt::Test::After) {
        const Word start = here();
        Word at = 0;
        branchUnless(*s.cond, at, s.until);
        toEnd.push_back(at);
        heads.emplace_back(start, here());
    }
    const Word loop = here();
    emit(vm::make(Op::Loop));
    emit(top);
    heads.emplace_back(loop, here());
    const Word end = here();
    for (Word at : toEnd)
        patch(at, end);
    for (Word at : m_blocks.back().exits)
        patch(at, end);
    m_blocks.pop_back();
    for (const auto &[from, to] : heads)
        m_code->units.push_back(vm::Unit{from, to, end, base, s.pos});
}

void Compiler::withStmt(const WithStmt &s)
{
    const Word start = here(), base = m_top;
    const Word r = value(*s.object);
    const bool local = s.binding.kind == Binding::Local;
    Block b{Block::With};
    if (local) {
        b.state = static_cast<Word>(s.binding.slot);
        emit(vm::make(Op::Move, flag::NeedObject | (isTemp(r) ? flag::T0 : 0)));
        reg(b.state);
        reg(r);
    } else {
        b.state = name(s.binding, std::u16string());
        b.withGlobal = true;
        emit(vm::make(Op::StoreWith, flag::NeedObject | (isTemp(r) ? flag::T0 : 0)));
        emit(b.state);
        reg(r);
    }
    const Word headEnd = here();
    release(base);
    m_blocks.push_back(b);
    block(s.body);
    m_blocks.pop_back();
    leave(b);
    // A header that fails under On Error Resume Next runs the body without an object.
    m_code->units.push_back(vm::Unit{start, headEnd, headEnd, base, s.pos});
}

void Compiler::leave(const Block &b)
{
    if (b.kind == Block::With) {
        if (b.withGlobal) {
            emit(vm::make(Op::ClearWith));
            emit(b.state);
        } else {
            emit(vm::make(Op::Move));
            reg(b.state);
            reg(emptyConst());
        }
    } else if (b.kind == Block::ForEach) {
        for (Word r : {b.state, b.state + 1}) {
            emit(vm::make(Op::Move));
            reg(r);
            reg(emptyConst());
        }
    }
}

void Compiler::exitStmt(const ExitStmt &s)
{
    const Word start = here();
    if (s.what == ExitKind::Do || s.what == ExitKind::For) {
        for (std::size_t i = m_blocks.size(); i-- > 0;) {
            Block &b = m_blocks[i];
            leave(b);
            const bool target = s.what == ExitKind::Do ? b.kind == Block::Do
                                                        : (b.kind == Block::For || b.kind == Block::ForEach);
            if (target) {
                b.exits.push_back(jump(Op::Jump));
                break;
            }
        }
    } else {
        for (std::size_t i = m_blocks.size(); i-- > 0;)
            if (m_blocks[i].withGlobal)
                leave(m_blocks[i]);
        emit(vm::make(Op::Return));
    }
    unit(start, s.pos, here(), m_top);
}

} // namespace vbs
