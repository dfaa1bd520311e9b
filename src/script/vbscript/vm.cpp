// The loop that runs compiled code (code.h). Each instruction has a short
// way for the values loops and recursions compute with (Integer, Long,
// Double, Boolean, strings compared: vm_operands.h) and hands everything
// else to the general rules (vm_ops.cpp, vm_loops.cpp). A call of a script
// procedure pushes a frame (vm_frames.h) and stays in the loop; its Return
// pops it and finishes the call.
#include "operators.h"
#include "vm_frames.h"

namespace vbs {

using namespace ast;
using namespace loop;
using vm::Op;
using vm::Word;
namespace flag = vm::flag;

// --- what the loop does itself ------------------------------------------------------

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
                        f = enter(*p->code, nullptr, f, R, pc, 1);
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
                            f = enter(*p->code, me, f, R, pc, 1);
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
                                f = enter(*p->code, so, f, R, pc, 3);
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
                    // Null for the entry and for calls with arguments to empty.
                    if (const Word *next = done->next) [[likely]] {
                        f = done->caller;
                        dropFrame(done, true);
                        code = f->code;
                        R = f->R;
                        pc = next;
                        NEXT();
                    }
                    if (done == entry) {
                        Variant result;
                        if (code->resultReg >= 0)
                            result = std::move(*R[code->resultReg]);
                        dropFrame(done);
                        return result;
                    }
                    f = done->caller;
                    dropFrame(done, true);
                    code = f->code;
                    R = f->R;
                    pc = returned(f, f->pc);
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
