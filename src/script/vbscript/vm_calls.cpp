// Frames and calls beyond the loop's own: calls from C++ (the host,
// Class_Terminate, procedure references), the code of a unit, Execute and
// Eval, the general binding of arguments, the end of a call whose arguments
// need emptying, and where an error goes (On Error Resume Next or up).
#include "array.h"
#include "vm_frames.h"

namespace vbs {

using namespace ast;
using namespace loop;
using vm::Op;
using vm::Word;
namespace flag = vm::flag;

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
        case SlotInit::What::FixedArray: break; // made when its Dim runs (ReDim, flag Fixed)
        case SlotInit::What::Constant: *target = init.value; break;
        case SlotInit::What::DynamicArray: *target = Variant(Array::createEmpty()); break;
        }
    }
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
    f->next = nullptr;
    return run(f);
}

// Code of a unit, of Execute or of Eval: `scope` is the frame whose slots
// it shares (null for global code).
Variant Interpreter::runCode(const vm::Code &code, ScriptObject *me, Frame *scope)
{
    --m_ticks; // a level more: see checkpoint()
    Frame *f = newFrame(code, me, m_frame);
    f->ownValues = true;
    for (Word i = 0; i < code.named; ++i)
        f->R[i] = scope->R[i];
    f->fromHost = true;
    f->next = nullptr;
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
        const Word *next = f->next;
        const bool last = f == entry;
        dropFrame(f);
        if (last)
            return false;
        f = caller;
        // Any word of the call finds its unit; its last is the one before `next`.
        pc = next ? next - 1 : f->pc;
    }
}

} // namespace vbs
