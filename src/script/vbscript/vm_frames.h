#pragma once

// The frames of calls the loop makes itself: taken from their code's spares,
// their arguments bound, given back at Return (see Interpreter::Frame).
// Inlined into the loop (vm.cpp); the slower ways in and out of a frame are
// in vm_calls.cpp.

#include "interpreter.h"
#include "scriptobject.h"
#include "vm_operands.h"

#include <new>

namespace vbs {

namespace loop {
// Calls up to this depth keep their frames for the next call of their code:
// a recursion that deep runs without allocating, a deeper one gives back.
inline constexpr int kSpareDepth = 256;
} // namespace loop

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
                loop::clear(values[i]);
        if (code.resultReg >= 0 && !values[code.resultReg].isEmpty())
            loop::clear(values[code.resultReg]);
    }
    for (Word i = code.firstLocal; i < named; ++i)
        if (!values[i].isEmpty())
            loop::clear(values[i]);
    // At a Return every temporary was emptied by what used it; after an
    // error they may hold anything, and arguments may point elsewhere.
    if (!clean) {
        for (Word i = named; i < own; ++i) {
            if (loop::counted(values[i]))
                loop::clear(values[i]);
            f->R[i] = values + i;
        }
    }
    // Frames of the first levels are kept: a code has no more spares than
    // it had frames at once on those levels.
    if (m_depth < loop::kSpareDepth) {
        f->caller = static_cast<Frame *>(code.spareFrames);
        code.spareFrames = f;
    } else {
        ::operator delete(f);
    }
    if (me)
        me->release();
}

[[gnu::always_inline]] inline Interpreter::Frame *Interpreter::enter(const vm::Code &callee, ScriptObject *me,
                                                                     Frame *caller, Variant **from,
                                                                     const Word *call, int extra)
{
    const Word argc = call[2];
    if (argc != callee.params) [[unlikely]]
        raiseError(RuntimeError::WrongArgumentCount);
    enterFromLoop();
    Frame *f = newFrame(callee, me, caller);
    // An error in the callee finds the caller's call from `next`; without
    // one, from the caller's pc.
    if (call[0] & (vm::flag::Scrub | vm::flag::T1)) [[unlikely]] {
        caller->pc = call;
        f->next = nullptr;
    } else {
        f->next = call + 3 + argc + extra;
    }
    Variant **const to = f->R;
    if (callee.oneRefFunction && !(call[0] & (vm::flag::Literal | vm::flag::Discard))) [[likely]] {
        to[0] = from[call[3]];
        Variant *const result = from[call[1]];
        if (result->holdsCounted()) [[unlikely]]
            loop::clear(*result);
        else
            result->setEmptyInPlace();
        to[1] = result;
        return f;
    }
    // A literal is passed as a copy, so that a ByRef parameter cannot change
    // the pool: the general way.
    if (!callee.simpleCall || (call[0] & vm::flag::Literal)) [[unlikely]] {
        bindSlow(f, caller, call);
        return f;
    }
    Variant *const values = f->values();
    const auto bind = [&](Word i) __attribute__((always_inline)) {
        const Word r = call[3 + i];
        if ((callee.byValue >> i) & 1) {
            values[i] = *from[r];
            to[i] = values + i;
            f->ownValues = true;
        } else {
            to[i] = from[r];
        }
    };
    // One argument, the most common call, without the loop.
    if (argc == 1) [[likely]] {
        bind(0);
    } else {
        for (Word i = 0; i < argc; ++i)
            bind(i);
    }
    // A function's result goes straight to the register the caller wants it
    // in (never one of the arguments' registers).
    if (callee.resultReg >= 0) {
        Variant *result = values + callee.resultReg;
        if (!(call[0] & vm::flag::Discard)) {
            result = from[call[1]];
            // Mostly a temporary a number was read from: nothing to release.
            if (result->holdsCounted()) [[unlikely]]
                loop::clear(*result);
            else
                result->setEmptyInPlace();
        } else {
            f->ownValues = true;
        }
        to[callee.resultReg] = result;
    }
    return f;
}

} // namespace vbs
