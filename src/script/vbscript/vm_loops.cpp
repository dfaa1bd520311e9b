// What the loop hands off for For and For Each heads and steps, ReDim and
// Erase.
#include "array.h"
#include "fast_ops.h"
#include "interpreter.h"
#include "operators.h"

namespace vbs {

using namespace ast;
using vm::Op;
namespace flag = vm::flag;

// --- loops -----------------------------------------------------------------------------

// For var = from To limit Step step: the limits converted once, the
// variable set; false when the loop runs no time.
bool Interpreter::forInit(Frame *f, const Word *pc)
{
    const Word w = *pc;
    Variant from = f->R[pc[2]]->valueOf();
    Variant to = f->R[pc[3]]->valueOf();
    Variant step = f->R[pc[4]]->valueOf();
    for (Word i = 2; i <= 4; ++i)
        clearTemp(f, pc[i]);
    for (const Variant *v : {&from, &to, &step}) {
        if (v->isNull())
            raiseError(RuntimeError::InvalidUseOfNull);
        if (!v->isArithmetic() && !v->isEmpty())
            (void)v->toDouble(); // strings that are numbers pass, others raise 13
    }
    if (from.isString())
        from = Variant::fromDouble(from.toDouble());
    if (to.isString())
        to = Variant::fromDouble(to.toDouble());
    if (step.isString())
        step = Variant::fromDouble(step.toDouble());
    const Word state = pc[5];
    const bool down = ops::compareValues(step, Variant::fromInteger(0)) < 0;
    Variant *slot = varOperand(f, w, pc[1]);
    if (!slot)
        raiseError(RuntimeError::TypeMismatch);
    *slot = from;
    *f->R[state] = std::move(to);
    *f->R[state + 1] = std::move(step);
    *f->R[state + 2] = Variant::fromBool(down);
    checkpoint();
    const int c = ops::compareValues(*slot, *f->R[state]);
    return down ? c >= 0 : c <= 0;
}

// The step at Next; false when the loop is done.
bool Interpreter::forStep(Frame *f, const Word *pc)
{
    const Word w = *pc;
    const Word state = pc[2];
    if (f->R[state + 2]->isEmpty()) // the header failed and On Error Resume Next went on
        raiseError(RuntimeError::ForLoopNotInitialized);
    Variant *slot = varOperand(f, w, pc[1]);
    if (!slot)
        raiseError(RuntimeError::TypeMismatch);
    Variant next;
    if (!ops::fast::binary(BinOp::Add, *slot, *f->R[state + 1], next))
        next = ops::add(*slot, *f->R[state + 1]);
    *slot = std::move(next);
    checkpoint();
    slot = varOperand(f, w, pc[1]);
    const Variant &to = *f->R[state];
    const int c = ops::fast::isIntegerOrLong(*slot) && ops::fast::isIntegerOrLong(to)
                      ? (ops::fast::intOf(*slot) < ops::fast::intOf(to) ? -1 : ops::fast::intOf(*slot) > ops::fast::intOf(to))
                      : ops::compareValues(*slot, to);
    return f->R[state + 2]->boolValue() ? c >= 0 : c <= 0;
}

// For Each: the items taken once (an array as it is now, an object's
// enumeration), the first one given to the variable.
bool Interpreter::forEachInit(Frame *f, const Word *pc)
{
    const Variant collection = *f->R[pc[2]];
    clearTemp(f, pc[2]);
    const Word state = pc[3];
    if (collection.isArray()) {
        *f->R[state] = collection;
    } else if (collection.isObject()) {
        if (!collection.object())
            raiseError(RuntimeError::ObjectRequired);
        *f->R[state] = Variant(Array::fromValues(collection.object()->enumerate()));
    } else {
        raiseError(RuntimeError::NotACollection);
    }
    *f->R[state + 1] = Variant::fromLong(-1);
    return forEachStep(f, pc);
}

bool Interpreter::forEachStep(Frame *f, const Word *pc)
{
    const Word w = *pc;
    const Word state = vm::opOf(w) == Op::ForEachInit ? pc[3] : pc[2];
    checkpoint();
    if (!f->R[state]->isArray()) // the header failed and On Error Resume Next went on
        raiseError(RuntimeError::NotACollection);
    Array &items = *f->R[state]->array();
    const std::int32_t i = f->R[state + 1]->longValue() + 1;
    if (static_cast<std::size_t>(i) >= items.size()) {
        *f->R[state] = Variant();
        *f->R[state + 1] = Variant();
        // Run to its end, the loop leaves its variable Empty.
        if (Variant *slot = varOperand(f, w, pc[1]))
            *slot = Variant();
        return false;
    }
    *f->R[state + 1] = Variant::fromLong(i);
    Variant *slot = varOperand(f, w, pc[1]);
    if (!slot)
        raiseError(RuntimeError::TypeMismatch);
    *slot = items[static_cast<std::size_t>(i)];
    return true;
}

// --- ReDim and Erase ---------------------------------------------------------------------

const Interpreter::Word *Interpreter::reDim(Frame *f, const Word *pc)
{
    const Word w = *pc;
    if (w & flag::Fixed) {
        // Dim a(3): the first time it runs; a later run (in a loop) keeps the array.
        Variant *slot = varOperand(f, w, pc[1]);
        if (slot && !(slot->isArray() && slot->array()->isFixed())) {
            std::vector<Array::Bound> bounds;
            for (Word i = 0; i < pc[2]; ++i)
                bounds.push_back(Array::upTo(f->R[pc[3 + i]]->wholeValue()));
            *slot = Variant(Array::create(std::move(bounds), true));
        }
        return pc + 3 + pc[2];
    }
    // ReDim of a fixed array refuses before reading its bounds (ReDim
    // Preserve reads them first).
    if (!(w & flag::Preserve)) {
        const Variant *target = varOperand(f, w, pc[1]);
        if (target && target->isArray() && target->array()->isFixed())
            raiseError(RuntimeError::ArrayFixedOrLocked);
    }
    std::vector<Array::Bound> bounds;
    for (Word i = 0; i < pc[2]; ++i)
        bounds.push_back(Array::upTo(f->R[pc[3 + i]]->toLong()));
    Variant *slot = varOperand(f, w, pc[1]);
    if (!slot)
        raiseError(RuntimeError::TypeMismatch);
    if (slot->isArray() && slot->array()->isFixed())
        raiseError(RuntimeError::ArrayFixedOrLocked);
    if ((w & flag::Preserve) && slot->isArray() && slot->array()->dimensions() > 0) {
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
    return release(f, pc);
}

void Interpreter::erase(Frame *f, const Word *pc)
{
    Variant *slot = varOperand(f, *pc, pc[1]);
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

} // namespace vbs
