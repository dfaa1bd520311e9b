// The loop that runs compiled code (code.h). Each instruction has a short
// way for the values loops and recursions compute with (Integer, Long,
// Double, Boolean, strings compared) and hands everything else to the
// general rules (vm_ops.cpp). A call of a script procedure pushes a frame
// and stays in the loop; its Return pops it and finishes the call.
#include "array.h"
#include "fast_ops.h"
#include "interpreter.h"
#include "operators.h"
#include "scriptobject.h"

#include <new>

namespace vbs {

using namespace ast;
using vm::Op;
using vm::Word;
namespace flag = vm::flag;
namespace fast = ops::fast;

namespace {

// Both Integer or Long: one test for the two.
[[gnu::always_inline]] inline bool integral(const Variant &a, const Variant &b)
{
    constexpr unsigned kInteger = static_cast<unsigned>(Variant::Type::Integer);
    static_assert(static_cast<unsigned>(Variant::Type::Long) == kInteger + 1);
    return ((static_cast<unsigned>(a.type()) - kInteger) | (static_cast<unsigned>(b.type()) - kInteger)) < 2;
}

// An Integer or Long result in `out`: Integer while both operands were
// Integer and it fits.
[[gnu::always_inline]] inline void setWhole(Variant &out, unsigned rank, std::int32_t r)
{
    auto t = static_cast<Variant::Type>(rank);
    if (t == Variant::Type::Integer && static_cast<std::int16_t>(r) != r)
        t = Variant::Type::Long;
    if (out.holdsCounted()) [[unlikely]]
        out = t == Variant::Type::Integer ? Variant::fromInteger(static_cast<std::int16_t>(r)) : Variant::fromLong(r);
    else
        out.setWhole(t, r);
}

// a op b for two Integer or Long operands in 32 bits; false: the result
// leaves Long (or the divisor is 0 or -1), for the 64-bit rules.
template <BinOp O>
[[gnu::always_inline]] inline bool whole(const Variant &a, const Variant &b, Variant &out)
{
    // Integer | Long is Long: the rank of the result.
    const unsigned rank = static_cast<unsigned>(a.type()) | static_cast<unsigned>(b.type());
    const std::int32_t x = a.wholeValue(), y = b.wholeValue();
    std::int32_t r;
    switch (O) {
    case BinOp::Add:
        if (__builtin_add_overflow(x, y, &r))
            return false;
        break;
    case BinOp::Sub:
        if (__builtin_sub_overflow(x, y, &r))
            return false;
        break;
    case BinOp::Mul:
        if (__builtin_mul_overflow(x, y, &r))
            return false;
        break;
    case BinOp::Mod:
        if (y == 0 || y == -1)
            return false;
        r = x % y;
        break;
    case BinOp::IntDiv:
        if (y == 0 || y == -1)
            return false;
        r = x / y;
        break;
    default: return false;
    }
    setWhole(out, rank, r);
    return true;
}

// a op b for two numbers; false: the general rules.
template <BinOp O>
[[gnu::always_inline]] inline bool arithmetic(const Variant &a, const Variant &b, Variant &out)
{
    if (integral(a, b)) [[likely]] {
        if (O != BinOp::Div && whole<O>(a, b, out)) [[likely]]
            return true;
        return fast::integral(O, a, b, out);
    }
    if (fast::isNumber(a) && fast::isNumber(b))
        return fast::floating(O, fast::doubleOf(a), fast::doubleOf(b), out);
    return false;
}

template <BinOp O>
[[gnu::always_inline]] inline bool logical(const Variant &a, const Variant &b, Variant &out)
{
    if (a.type() == Variant::Type::Boolean && b.type() == Variant::Type::Boolean)
        return fast::logical(O, a.boolValue(), b.boolValue(), out);
    return false;
}

// -1, 0 or 1 for two numbers or two strings; 2 when the general rules decide.
[[gnu::always_inline]] inline int order(const Variant &a, const Variant &b)
{
    if (integral(a, b)) {
        const std::int32_t x = a.wholeValue(), y = b.wholeValue();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    if (fast::isNumber(a) && fast::isNumber(b)) {
        const double x = fast::doubleOf(a), y = fast::doubleOf(b);
        return x == y ? 0 : (x < y ? -1 : (x > y ? 1 : 2));
    }
    if (a.isString() && b.isString()) {
        const int c = a.string().compare(b.string());
        return c < 0 ? -1 : (c > 0 ? 1 : 0);
    }
    return 2;
}

template <BinOp O>
[[gnu::always_inline]] inline bool holds(int c)
{
    switch (O) {
    case BinOp::Eq: return c == 0;
    case BinOp::Ne: return c != 0;
    case BinOp::Lt: return c < 0;
    case BinOp::Gt: return c > 0;
    case BinOp::Le: return c <= 0;
    default: return c >= 0;
    }
}

template <BinOp O>
[[gnu::always_inline]] inline bool holdsOf(std::int32_t x, std::int32_t y)
{
    switch (O) {
    case BinOp::Eq: return x == y;
    case BinOp::Ne: return x != y;
    case BinOp::Lt: return x < y;
    case BinOp::Gt: return x > y;
    case BinOp::Le: return x <= y;
    default: return x >= y;
    }
}

// Empties a register; what it held is released afterwards.
[[gnu::always_inline]] inline void clear(Variant &v) noexcept
{
    Variant old(std::move(v));
}

[[gnu::always_inline]] inline bool counted(const Variant &v)
{
    constexpr unsigned kCounted = (1u << static_cast<unsigned>(Variant::Type::String)) |
                                  (1u << static_cast<unsigned>(Variant::Type::Object)) |
                                  (1u << static_cast<unsigned>(Variant::Type::Array));
    return (1u << static_cast<unsigned>(v.type())) & kCounted;
}

} // namespace

// --- frames ------------------------------------------------------------------------

namespace {
// Calls up to this depth keep their frames for the next call of their code:
// a recursion that deep runs without allocating, a deeper one gives back.
constexpr int kSpareDepth = 256;
} // namespace

[[gnu::always_inline]] inline Interpreter::Frame *Interpreter::newFrame(const vm::Code &code, ScriptObject *me,
                                                                        Frame *caller)
{
    Frame *f;
    if (code.spareFrames) [[likely]] {
        f = static_cast<Frame *>(code.spareFrames);
        code.spareFrames = f->caller;
    } else {
        f = static_cast<Frame *>(::operator new(sizeof(Frame) + code.frameBytes));
        const Word own = code.own, registers = code.registers;
        Variant *const values = f->values();
        Variant **const R = reinterpret_cast<Variant **>(values + own);
        for (Word i = 0; i < own; ++i) {
            new (values + i) Variant();
            R[i] = values + i;
        }
        Variant *const constants = const_cast<Variant *>(code.constants.data());
        for (Word i = 0; i < registers - own; ++i)
            R[own + i] = constants + i;
        f->R = R;
        f->code = &code;
    }
    f->me = me;
    f->caller = caller;
    f->resumeNext = false;
    f->fromHost = false;
    f->ownValues = false;
    f->unused = false;
    if (me)
        me->addRef();
    m_frame = f;
    ++m_depth;
    return f;
}

[[gnu::always_inline]] inline void Interpreter::dropFrame(Frame *f, bool clean) noexcept
{
    m_frame = f->caller;
    --m_depth;
    const vm::Code &code = *f->code;
    ScriptObject *me = f->me;
    // The values go first (a Class_Terminate they run gets frames of its
    // own). Parameters' and the result's registers are set by every call,
    // the others point at their values already, but for arguments passed
    // by reference when an error left the frame.
    Variant *const values = f->values();
    const Word named = code.named, own = code.own;
    if (f->ownValues) {
        for (Word i = 0; i < code.params; ++i)
            if (!values[i].isEmpty())
                clear(values[i]);
        if (code.resultReg >= 0 && !values[code.resultReg].isEmpty())
            clear(values[code.resultReg]);
    }
    for (Word i = code.firstLocal; i < named; ++i)
        if (!values[i].isEmpty())
            clear(values[i]);
    // At a Return every temporary was emptied by what used it; after an
    // error they may hold anything, and arguments may point elsewhere.
    if (!clean) {
        for (Word i = named; i < own; ++i) {
            if (counted(values[i]))
                clear(values[i]);
            f->R[i] = values + i;
        }
    }
    // Frames of the first levels are kept: a code has no more spares than
    // it had frames at once on those levels.
    if (m_depth < kSpareDepth) {
        f->caller = static_cast<Frame *>(code.spareFrames);
        code.spareFrames = f;
    } else {
        ::operator delete(f);
    }
    if (me)
        me->release();
}

void Interpreter::freeSpareFrames(const vm::Code &code) noexcept
{
    while (Frame *f = static_cast<Frame *>(code.spareFrames)) {
        code.spareFrames = f->caller;
        Variant *values = f->values();
        for (Word i = 0; i < code.own; ++i)
            values[i].~Variant();
        ::operator delete(f);
    }
}

vm::Code::~Code()
{
    Interpreter::freeSpareFrames(*this);
}

void Interpreter::unwind(Frame *entry, Frame *f) noexcept
{
    while (true) {
        Frame *caller = f->caller;
        const bool last = f == entry;
        dropFrame(f);
        if (last)
            return;
        f = caller;
    }
}

void Interpreter::initSlots(const std::vector<SlotInit> &inits, Variant **slots, bool global)
{
    for (const SlotInit &init : inits) {
        Variant *target;
        if (global) {
            GlobalSlot &g = m_globals[init.slot];
            if (init.what == SlotInit::What::Declare && g.defined)
                continue;
            // A later unit cannot declare an array again (ExecuteGlobal "Dim a()").
            if ((init.what == SlotInit::What::DynamicArray || init.what == SlotInit::What::FixedArray) && g.defined &&
                g.value.isArray())
                raiseError(RuntimeError::TypeMismatch);
            g.defined = true;
            g.isConst = init.what == SlotInit::What::Constant;
            target = &g.value;
        } else {
            target = slots[init.slot];
        }
        switch (init.what) {
        case SlotInit::What::Declare: break;
        case SlotInit::What::Constant: *target = init.value; break;
        case SlotInit::What::DynamicArray: *target = Variant(Array::createEmpty()); break;
        case SlotInit::What::FixedArray: {
            std::vector<Array::Bound> bounds;
            for (std::int32_t d : init.dims)
                bounds.push_back(Array::upTo(d));
            *target = Variant(Array::create(std::move(bounds), true));
            break;
        }
        }
    }
}

// --- calls -------------------------------------------------------------------------

[[gnu::always_inline]] inline Interpreter::Frame *Interpreter::enter(const vm::Code &callee, ScriptObject *me,
                                                                     Frame *caller, const Word *call, int extra)
{
    const Word argc = call[2];
    if (argc != callee.params) [[unlikely]]
        raiseError(RuntimeError::WrongArgumentCount);
    checkpoint();
    if (m_depth >= m_limits.maxCallDepth) [[unlikely]]
        raiseError(RuntimeError::OutOfStackSpace);
    Frame *f = newFrame(callee, me, caller);
    f->next = (call[0] & (flag::Scrub | flag::T1)) ? nullptr : call + 3 + argc + extra;
    // A literal is passed as a copy, so that a ByRef parameter cannot change
    // the pool: the general way.
    if (!callee.simpleCall || (call[0] & flag::Literal)) [[unlikely]] {
        bindSlow(f, caller, call);
        return f;
    }
    Variant **from = caller->R;
    Variant *const values = f->values();
    // A function's result goes straight to the register the caller wants it in.
    if (callee.resultReg >= 0) {
        Variant *result = values + callee.resultReg;
        if (!(call[0] & flag::Discard)) {
            result = from[call[1]];
            // Mostly a temporary a number was read from: nothing to release.
            if (result->holdsCounted()) [[unlikely]]
                clear(*result);
            else
                result->setEmptyInPlace();
        } else {
            f->ownValues = true;
        }
        f->R[callee.resultReg] = result;
    }
    const auto bind = [&](Word i) __attribute__((always_inline)) {
        const Word r = call[3 + i];
        if ((callee.byValue >> i) & 1) {
            values[i] = *from[r];
            f->R[i] = values + i;
            f->ownValues = true;
        } else {
            f->R[i] = from[r];
        }
    };
    // One argument, the most common call, without the loop.
    if (argc == 1) {
        bind(0);
        return f;
    }
    for (Word i = 0; i < argc; ++i)
        bind(i);
    return f;
}

void Interpreter::bindSlow(Frame *f, const Frame *caller, const Word *call)
{
    const std::vector<Param> &params = f->code->proc->params;
    for (Word i = 0; i < call[2]; ++i) {
        const Word r = call[3 + i];
        if (params[i].byVal || r >= caller->code->own) {
            f->values()[i] = *caller->R[r];
            f->R[i] = f->values() + i;
            f->ownValues = true;
        } else {
            f->R[i] = caller->R[r];
        }
    }
    if (f->code->resultReg >= 0) {
        Variant *result = f->values() + f->code->resultReg;
        if (!(call[0] & flag::Discard)) {
            result = caller->R[call[1]];
            clear(*result);
        } else {
            f->ownValues = true;
        }
        f->R[f->code->resultReg] = result;
    }
    if (f->code->hasInits) {
        try {
            initSlots(f->code->proc->inits, f->R, false);
        } catch (...) {
            dropFrame(f);
            throw;
        }
    }
}

// A call the loop made (CallGlobal, CallMe or CallMember) is over; its
// result is where the call wanted it (see enter).
const Interpreter::Word *Interpreter::returned(Frame *f, const Word *pc)
{
    const Word w = *pc;
    const Word argc = pc[2];
    const vm::Code &code = *f->code;
    if (w & flag::Scrub) {
        Variant *values = f->values();
        for (Word i = 0; i < argc; ++i) {
            const Word r = pc[3 + i];
            if (r >= code.named && r < code.own) {
                if (counted(values[r]))
                    clear(values[r]);
                f->R[r] = values + r;
            }
        }
    }
    const Word *extra = pc + 3 + argc;
    if (w & flag::T1)
        clearTemp(f, extra[0]);
    return extra + (vm::opOf(w) == Op::CallMember ? 3 : 1);
}

// Mid(s, i, 1) in a character loop: the shared one-character string,
// without gathering arguments or the built-in's general checks. Anything
// else (Null, a position past the end, other types, a statement) goes the
// general way.
const Interpreter::Word *Interpreter::midCharacter(Frame *f, const Word *pc)
{
    const Variant &text = *f->R[pc[3]], &start = *f->R[pc[4]], &length = *f->R[pc[5]];
    if ((*pc & flag::Statement) || !text.isString() || !integral(start, length) || fast::intOf(length) != 1)
        return nullptr;
    const std::int64_t at = fast::intOf(start);
    const std::u16string &s = text.string();
    if (at < 1 || static_cast<std::uint64_t>(at) > s.size() || s[at - 1] >= 256)
        return nullptr;
    return finishCall(f, pc, character(s[at - 1]));
}

const Interpreter::Word *Interpreter::finishCall(Frame *f, const Word *pc, Variant &&result)
{
    const Word *next = release(f, pc);
    if (!(*pc & flag::Discard))
        *f->R[pc[1]] = std::move(result);
    return next;
}

Variant Interpreter::callProcedure(ProcDecl *proc, ScriptObject *me, ArgRefs args)
{
    if (args.size() != proc->params.size())
        raiseError(RuntimeError::WrongArgumentCount);
    enterCall();
    Frame *f = newFrame(*proc->code, me, m_frame);
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (proc->params[i].byVal) {
            f->values()[i] = *args[i];
            f->R[i] = f->values() + i;
            f->ownValues = true;
        } else {
            f->R[i] = args[i];
        }
    }
    if (proc->resultSlot >= 0) {
        f->R[proc->resultSlot] = f->values() + proc->resultSlot;
        f->ownValues = true;
    }
    if (!proc->inits.empty()) {
        try {
            initSlots(proc->inits, f->R, false);
        } catch (...) {
            dropFrame(f);
            throw;
        }
    }
    f->fromHost = true;
    return run(f);
}

// Code of a unit, of Execute or of Eval: `scope` is the frame whose slots
// it shares (null for global code).
Variant Interpreter::runCode(const vm::Code &code, ScriptObject *me, Frame *scope)
{
    Frame *f = newFrame(code, me, m_frame);
    f->ownValues = true;
    for (Word i = 0; i < code.named; ++i)
        f->R[i] = scope->R[i];
    f->fromHost = true;
    return run(f);
}

// --- errors --------------------------------------------------------------------------

bool Interpreter::recover(ScriptException &e, Frame *entry, Frame *&f, const Word *&pc)
{
    while (true) {
        const vm::Code &c = *f->code;
        const vm::Unit *u = c.unitAt(static_cast<Word>(pc - c.words.data()));
        if (!e.positioned) {
            e.positioned = true;
            if (u) {
                e.error.line = u->pos.line;
                e.error.column = u->pos.column;
            }
            e.sourceText = c.source;
        }
        if (f->resumeNext && !e.fatal && u) {
            m_err = e.error;
            pc = c.words.data() + u->resume;
            for (Word t = u->tempBase; t < c.own; ++t)
                clearTemp(f, t);
            return true;
        }
        Frame *caller = f->caller;
        const bool last = f == entry;
        dropFrame(f);
        if (last)
            return false;
        f = caller;
        pc = f->pc;
    }
}

// --- the loop ------------------------------------------------------------------------

// Computed gotos are a GNU extension (g++ and clang both have it).
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wpedantic"
Variant Interpreter::run(Frame *entry)
{
    Frame *f = entry;
    const Word *pc = f->code->words.data();
    Variant **R = f->R;
    const vm::Code *code = f->code;
    while (true) {
        try {
            // Threaded dispatch: each instruction jumps to the next one's code.
            static const void *const kOps[] = {
#define VBS_OP_LABEL(name, words) __extension__ &&L_##name,
                VBS_OPCODES(VBS_OP_LABEL)
#undef VBS_OP_LABEL
            };
            Word w;
#define NEXT()                                                                                                         \
    do {                                                                                                               \
        w = *pc;                                                                                                       \
        goto *kOps[w & 0xFFu];                                                                                         \
    } while (false)
            NEXT();
            {
                L_Move:
                    if ((w & flag::NeedObject) && !R[pc[2]]->isObject()) [[unlikely]]
                        raiseError(RuntimeError::ObjectRequired); // With needs an object
                    if (w & flag::T0)
                        *R[pc[1]] = std::move(*R[pc[2]]);
                    else
                        *R[pc[1]] = *R[pc[2]];
                    pc += 3;
                    NEXT();
                L_Let:
                    if (R[pc[2]]->isObject()) {
                        move(f, pc);
                    } else if (w & flag::T0) {
                        *R[pc[1]] = std::move(*R[pc[2]]);
                    } else {
                        *R[pc[1]] = *R[pc[2]];
                    }
                    pc += 3;
                    NEXT();
                L_Set:
                L_Subject:
                L_Plus:
                    if (vm::opOf(w) == Op::Plus)
                        unary(f, pc);
                    else
                        move(f, pc);
                    pc += 3;
                    NEXT();
                L_Neg:
                L_Not: unary(f, pc); pc += 3; NEXT();

#define VBS_ARITHMETIC(name)                                                                                           \
    L_##name:                                                                                                     \
        if (!arithmetic<BinOp::name>(*R[pc[2]], *R[pc[3]], *R[pc[1]]))                                                 \
            binarySlow(f, pc);                                                                                         \
        pc += 4;                                                                                                       \
        NEXT();
                    VBS_ARITHMETIC(Add)
                    VBS_ARITHMETIC(Sub)
                    VBS_ARITHMETIC(Mul)
                    VBS_ARITHMETIC(Div)
                    VBS_ARITHMETIC(Mod)
                    VBS_ARITHMETIC(IntDiv)
#undef VBS_ARITHMETIC

#define VBS_LOGICAL(name)                                                                                              \
    L_##name:                                                                                                     \
        if (!logical<BinOp::name>(*R[pc[2]], *R[pc[3]], *R[pc[1]]))                                                    \
            binarySlow(f, pc);                                                                                         \
        pc += 4;                                                                                                       \
        NEXT();
                    VBS_LOGICAL(And)
                    VBS_LOGICAL(Or)
                    VBS_LOGICAL(Xor)
#undef VBS_LOGICAL

#define VBS_COMPARE(name)                                                                                              \
    L_##name: {                                                                                                   \
        const int c = order(*R[pc[2]], *R[pc[3]]);                                                                     \
        if (c == 2) {                                                                                                  \
            binarySlow(f, pc);                                                                                         \
        } else {                                                                                                       \
            const bool t = holds<BinOp::name>(c);                                                                      \
            if ((w & flag::T0) && counted(*R[pc[2]]))                                                                  \
                clearTemp(f, pc[2]);                                                                                   \
            if ((w & flag::T1) && counted(*R[pc[3]]))                                                                  \
                clearTemp(f, pc[3]);                                                                                   \
            *R[pc[1]] = Variant::fromBool(t);                                                                          \
        }                                                                                                              \
        pc += 4;                                                                                                       \
        NEXT();                                                                                                      \
    }
                    VBS_COMPARE(Eq)
                    VBS_COMPARE(Ne)
                    VBS_COMPARE(Lt)
                    VBS_COMPARE(Gt)
                    VBS_COMPARE(Le)
                    VBS_COMPARE(Ge)
#undef VBS_COMPARE

                L_Imp:
                L_Eqv:
                L_Is:
                L_Pow: binarySlow(f, pc); pc += 4; NEXT();

                L_Concat: {
                    // A chain's running text grows in place.
                    Variant &a = *R[pc[2]];
                    const Variant &b = *R[pc[3]];
                    if (pc[1] == pc[2] && (w & flag::T0) && a.isString() && b.isString() &&
                        a.stringData()->refCount() == 1) {
                        a.stringData()->append(b.string(), b.stringData()->oddByte());
                        if (w & flag::T1)
                            clearTemp(f, pc[3]);
                    } else {
                        binarySlow(f, pc);
                    }
                    pc += 4;
                    NEXT();
                }

#define VBS_COMPARE_JUMP(name, cmp, when)                                                                              \
    L_##name: {                                                                                                   \
        const Variant &a = *R[pc[1]], &b = *R[pc[2]];                                                                  \
        bool t;                                                                                                        \
        if (integral(a, b)) [[likely]]                                                                                 \
            t = holdsOf<BinOp::cmp>(a.wholeValue(), b.wholeValue());                                                   \
        else if (fast::isNumber(a) && fast::isNumber(b) && order(a, b) != 2)                                           \
            t = holds<BinOp::cmp>(order(a, b));                                                                        \
        else                                                                                                           \
            t = compareSlow(f, pc);                                                                                    \
        pc = t == when ? code->words.data() + pc[3] : pc + 4;                                                          \
        NEXT();                                                                                                      \
    }
                    VBS_COMPARE_JUMP(JumpNotEq, Eq, false)
                    VBS_COMPARE_JUMP(JumpNotNe, Ne, false)
                    VBS_COMPARE_JUMP(JumpNotLt, Lt, false)
                    VBS_COMPARE_JUMP(JumpNotGt, Gt, false)
                    VBS_COMPARE_JUMP(JumpNotLe, Le, false)
                    VBS_COMPARE_JUMP(JumpNotGe, Ge, false)
                    VBS_COMPARE_JUMP(JumpIfEq, Eq, true)
                    VBS_COMPARE_JUMP(JumpIfNe, Ne, true)
                    VBS_COMPARE_JUMP(JumpIfLt, Lt, true)
                    VBS_COMPARE_JUMP(JumpIfGt, Gt, true)
                    VBS_COMPARE_JUMP(JumpIfLe, Le, true)
                    VBS_COMPARE_JUMP(JumpIfGe, Ge, true)
#undef VBS_COMPARE_JUMP

                L_Jump: pc = code->words.data() + pc[1]; NEXT();
                L_Loop:
                    checkpoint();
                    pc = code->words.data() + pc[1];
                    NEXT();
                L_JumpFalse:
                L_JumpTrue: {
                    const Variant &c = *R[pc[1]];
                    const bool t = c.type() == Variant::Type::Boolean ? c.boolValue() : truth(f, pc);
                    pc = t == (vm::opOf(w) == Op::JumpTrue) ? code->words.data() + pc[2] : pc + 3;
                    NEXT();
                }
                L_CaseJump: pc = caseMatches(f, pc) ? code->words.data() + pc[3] : pc + 4; NEXT();

                L_LoadName: *R[pc[1]] = loadName(code->names[pc[2]]); pc += 3; NEXT();
                L_StoreName: storeName(f, pc); pc += 3; NEXT();
                L_ArgName: argName(f, pc); pc += 3; NEXT();
                L_LoadWith: *R[pc[1]] = code->names[pc[2]].global->value; pc += 3; NEXT();
                L_StoreWith: {
                    if (!R[pc[2]]->isObject())
                        raiseError(RuntimeError::ObjectRequired); // With needs an object
                    Variant &target = code->names[pc[1]].global->value;
                    if (w & flag::T0)
                        target = std::move(*R[pc[2]]);
                    else
                        target = *R[pc[2]];
                    pc += 3;
                    NEXT();
                }
                L_ClearWith: code->names[pc[1]].global->value = Variant(); pc += 2; NEXT();
                L_LoadMe: *R[pc[1]] = Variant(meObject()); pc += 2; NEXT();
                L_New: newObject(f, pc); pc += 3; NEXT();
                L_Raise: raiseError(static_cast<RuntimeError>(pc[1]));
                L_OnError:
                    f->resumeNext = w & flag::Resume;
                    m_err = ScriptError();
                    pc += 1;
                    NEXT();
                L_CheckCall: checkCall(f, pc); pc += 2; NEXT();
                L_Nop: pc += 1; NEXT();

                L_AppendCheck: pc = appendInPlace(f, pc) ? pc + 3 : code->words.data() + pc[2]; NEXT();
                L_AppendFinish: appendFinish(f, pc); pc += 3; NEXT();

                L_ForInit: pc = forInit(f, pc) ? pc + 7 : code->words.data() + pc[6]; NEXT();
                L_ForNext: {
                    Variant *var = R[pc[1]];
                    const Word state = pc[2];
                    const Variant &limit = *R[state], &step = *R[state + 1];
                    std::int32_t next32;
                    if (!(w & flag::VarName) && integral(*var, step) && fast::isIntegerOrLong(limit) &&
                        !__builtin_add_overflow(var->wholeValue(), step.wholeValue(), &next32)) [[likely]] {
                        setWhole(*var, static_cast<unsigned>(var->type()) | static_cast<unsigned>(step.type()), next32);
                        checkpoint();
                        const std::int32_t to = limit.wholeValue();
                        const bool more = R[state + 2]->boolValue() ? next32 >= to : next32 <= to;
                        pc = more ? code->words.data() + pc[3] : pc + 4;
                        NEXT();
                    }
                    if (!(w & flag::VarName) && fast::isIntegerOrLong(*var) && fast::isIntegerOrLong(step) &&
                        fast::isIntegerOrLong(limit)) {
                        const std::int64_t next = fast::intOf(*var) + fast::intOf(step);
                        *var = fast::fitted(next, var->type() == Variant::Type::Integer &&
                                                      step.type() == Variant::Type::Integer);
                        checkpoint();
                        const bool more = R[state + 2]->boolValue() ? next >= fast::intOf(limit) : next <= fast::intOf(limit);
                        pc = more ? code->words.data() + pc[3] : pc + 4;
                        NEXT();
                    }
                    pc = forStep(f, pc) ? code->words.data() + pc[3] : pc + 4;
                    NEXT();
                }
                L_ForEachInit: pc = forEachInit(f, pc) ? pc + 5 : code->words.data() + pc[4]; NEXT();
                L_ForEachNext: pc = forEachStep(f, pc) ? code->words.data() + pc[3] : pc + 4; NEXT();

                L_CallGlobal: {
                    const Word argc = pc[2];
                    const GlobalSlot &g = *code->globals[pc[3 + argc]];
                    if (const ProcDecl *p = g.proc) {
                        f->pc = pc;
                        f = enter(*p->code, nullptr, f, pc, 1);
                        code = f->code;
                        R = f->R;
                        pc = code->words.data();
                        NEXT();
                    }
                    if ((w & flag::Read) && g.defined && !g.cls) {
                        *R[pc[1]] = g.value;
                        pc += 4;
                        NEXT();
                    }
                    pc = callGlobalSlow(f, pc);
                    NEXT();
                }
                L_CallMe: {
                    const Word argc = pc[2];
                    if (ScriptObject *me = f->me) {
                        const ClassMember &m = me->classDecl().members[pc[3 + argc]];
                        const ProcDecl *p = m.get ? m.get : m.method;
                        if (m.field < 0 && p) {
                            f->pc = pc;
                            f = enter(*p->code, me, f, pc, 1);
                            code = f->code;
                            R = f->R;
                            pc = code->words.data();
                            NEXT();
                        }
                    }
                    pc = callMeSlow(f, pc);
                    NEXT();
                }
                L_CallMember: {
                    const int extraAt = 3 + static_cast<int>(pc[2]);
                    const Variant &object = *R[pc[extraAt]];
                    if (object.isObject() && object.object()) {
                        ScriptObject *so = object.object()->scriptObject();
                        if (so && &so->m_interp == this) {
                            const ClassMember &m = so->classDecl().members[memberIndex(f, pc, *so, w, extraAt)];
                            const ProcDecl *p = m.get ? m.get : m.method;
                            if (m.field < 0 && p) {
                                f->pc = pc;
                                f = enter(*p->code, so, f, pc, 3);
                                code = f->code;
                                R = f->R;
                                pc = code->words.data();
                                NEXT();
                            }
                        }
                    }
                    pc = callMemberSlow(f, pc);
                    NEXT();
                }
                L_CallBuiltin:
                    if (pc[2] == 3 && static_cast<int>(pc[6]) == m_midIndex) {
                        if (const Word *next = midCharacter(f, pc)) {
                            pc = next;
                            NEXT();
                        }
                    }
                    pc = callBuiltin(f, pc);
                    NEXT();
                L_CallName: pc = callName(f, pc); NEXT();
                L_CallValue: pc = callValue(f, pc); NEXT();
                L_ArgElem: pc = argElem(f, pc); NEXT();
                L_ArgElemOf: pc = argElemOf(f, pc); NEXT();
                L_LetIndexed:
                L_LetMe:
                L_LetMember:
                L_LetValue: pc = assignOp(f, pc); NEXT();
                L_ReDim: pc = reDim(f, pc); NEXT();
                L_Erase: erase(f, pc); pc += 2; NEXT();

                L_Return: {
                    Frame *done = f;
                    if (done == entry) {
                        Variant result;
                        if (code->resultReg >= 0)
                            result = std::move(*R[code->resultReg]);
                        dropFrame(done);
                        return result;
                    }
                    f = done->caller;
                    const Word *next = done->next;
                    dropFrame(done, true);
                    code = f->code;
                    R = f->R;
                    pc = next ? next : returned(f, f->pc);
                    NEXT();
                }
            }
#undef NEXT
        } catch (ScriptException &e) {
            // Copies: the loop's own f and pc never have their address
            // taken, so they stay in registers.
            Frame *at = f;
            const Word *atPc = pc;
            if (!recover(e, entry, at, atPc))
                throw;
            f = at;
            pc = atPc;
        } catch (const std::bad_alloc &) {
            ScriptException e(runtimeError(RuntimeError::OutOfMemory));
            Frame *at = f;
            const Word *atPc = pc;
            if (!recover(e, entry, at, atPc))
                throw e;
            f = at;
            pc = atPc;
        } catch (...) {
            unwind(entry, f);
            throw;
        }
        code = f->code;
        R = f->R;
    }
}
#pragma GCC diagnostic pop

} // namespace vbs
