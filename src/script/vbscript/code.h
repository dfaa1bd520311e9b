#pragma once

// The compact code the compiler makes of a procedure, of a unit's global
// code or of an Eval expression, and the VM runs (vm.cpp).
//
// Registers: a frame sees its values through one table of pointers, R. Its
// first `named` entries are the procedure's slots as the resolver numbered
// them (parameters, result, locals, With objects); a ByRef parameter's entry
// points at the caller's variable. Then come the temporaries, which the
// compiler hands out like a stack while it compiles an expression, and last
// the constants of the pool, which point into the Code. An operand is an
// index into R, so reading a local, a temporary or a constant costs the same.
//
// A temporary holds a value for exactly one consumer; the consumer frees it
// (flags T0..T2 say which operands are temporaries), so a string or an object
// lives no longer than it did in the tree it was compiled from.
//
// Instructions are words: word 0 holds the opcode (bits 0-7) and flags (bits
// 8-31); the operands follow. Instructions that take arguments share one
// layout: word 1 is the result or source register, word 2 the number of
// arguments, then one register per argument, then the words of `extra`.

#include "ast.h"
#include "budget.h"
#include "variant.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vbs {

struct GlobalSlot;

namespace vm {

using Word = std::uint32_t;

#define VBS_OPCODES(X)                                                                                                 \
    /* moves: d s */                                                                                                  \
    X(Move, 2) X(Let, 2) X(Set, 2) X(Subject, 2)                                                                      \
    /* unary: d a */                                                                                                  \
    X(Neg, 2) X(Not, 2) X(Plus, 2)                                                                                    \
    /* binary: d a b, in the order of ast::BinOp */                                                                   \
    X(Imp, 3) X(Eqv, 3) X(Xor, 3) X(Or, 3) X(And, 3) X(Eq, 3) X(Ne, 3) X(Lt, 3) X(Gt, 3) X(Le, 3) X(Ge, 3) X(Is, 3)  \
    X(Concat, 3) X(Add, 3) X(Sub, 3) X(Mod, 3) X(IntDiv, 3) X(Mul, 3) X(Div, 3) X(Pow, 3)                             \
    /* compare and jump when the comparison is not True (JumpNot) or is (JumpIf): a b target */                     \
    X(JumpNotEq, 3) X(JumpNotNe, 3) X(JumpNotLt, 3) X(JumpNotGt, 3) X(JumpNotLe, 3) X(JumpNotGe, 3)                    \
    X(JumpIfEq, 3) X(JumpIfNe, 3) X(JumpIfLt, 3) X(JumpIfGt, 3) X(JumpIfLe, 3) X(JumpIfGe, 3)                          \
    /* jumps: target / c target */                                                                                    \
    X(Jump, 1) X(Loop, 1) X(JumpFalse, 2) X(JumpTrue, 2)                                                              \
    /* case: subject value target (jump when equal) */                                                               \
    X(CaseJump, 3)                                                                                                    \
    /* names: d n / n s / a n */                                                                                      \
    X(LoadName, 2) X(StoreName, 2) X(ArgName, 2) X(LoadWith, 2) X(StoreWith, 2) X(ClearWith, 1) X(LoadMe, 1)          \
    X(New, 2) X(Raise, 1) X(OnError, 0) X(Return, 0) X(Nop, 0)                                                        \
    /* n: a global called with arguments is a procedure or a variable, before they are evaluated */                 \
    X(CheckCall, 1)                                                                                                   \
    /* s = s & x on a variable: var target / var rhs */                                                               \
    X(AppendCheck, 2) X(AppendFinish, 2)                                                                              \
    /* loops: var from to step state exit / var state body (state: limit, step, direction) */                      \
    X(ForInit, 6) X(ForNext, 3)                                                                                       \
    /* var collection state exit / var state body (state: two registers) */                                          \
    X(ForEachInit, 4) X(ForEachNext, 3)                                                                               \
    /* the argument layout (d argc args... extra...) */                                                              \
    X(CallGlobal, 1)  /* extra: n */                                                                                  \
    X(CallBuiltin, 1) /* extra: function index */                                                                     \
    X(CallMe, 1)      /* extra: member index of Me's class */                                                        \
    X(CallMember, 3)  /* extra: object, n (the member), cache */                                                     \
    X(CallName, 1)    /* extra: n */                                                                                  \
    X(CallValue, 1)   /* extra: callee */                                                                             \
    X(ArgElem, 1)     /* extra: n; d is the argument register it sets */                                             \
    X(ArgElemOf, 1)   /* extra: a register holding an element; d is set to an element of that */                    \
    X(LetIndexed, 1)  /* extra: n; d is the value */                                                                  \
    X(LetMe, 1)       /* extra: member index; d is the value */                                                      \
    X(LetMember, 3)   /* extra: object, n, cache; d is the value */                                                  \
    X(LetValue, 1)    /* extra: container; d is the value */                                                          \
    X(ReDim, 0)       /* d is the variable; the arguments are the upper bounds (flag Fixed: Dim a(3)) */                                   \
    X(Erase, 1)       /* the variable (not the argument layout) */

enum class Op : std::uint8_t {
#define VBS_OP_ENUM(name, words) name,
    VBS_OPCODES(VBS_OP_ENUM)
#undef VBS_OP_ENUM
        Count
};

// Operand words after word 0; for the argument layout, the words of `extra`.
int operandWords(Op op) noexcept;
// Words of the instruction at `pc`, its opcode included.
std::size_t length(const Word *pc) noexcept;
bool takesArguments(Op op) noexcept;
const char *opName(Op op) noexcept;

// Flags of word 0.
namespace flag {
inline constexpr Word T0 = 1u << 8;      // the first operand (a / s / object / callee) is a temporary
inline constexpr Word T1 = 1u << 9;      // the second (b)
inline constexpr Word LitA = 1u << 10;   // a was written as a literal (comparison rules)
inline constexpr Word LitB = 1u << 11;   // b was
inline constexpr Word Statement = 1u << 12; // a call whose value is not used (f x / obj.m x)
inline constexpr Word Discard = 1u << 13;   // the result is dropped at once
inline constexpr Word Read = 1u << 14;      // a bare name read as a value (no parentheses)
inline constexpr Word Bare = 1u << 15;      // a bare name as a statement
inline constexpr Word IsSet = 1u << 16;     // Set assignment
inline constexpr Word ObjMe = 1u << 17;     // the object was written as Me
inline constexpr Word VarName = 1u << 18;   // the variable operand is a name, not a register
inline constexpr Word Preserve = 1u << 19;  // ReDim Preserve
inline constexpr Word Resume = 1u << 20;    // On Error Resume Next (else GoTo 0)
inline constexpr Word Literal = 1u << 21;   // some argument is a constant of the pool
inline constexpr Word Scrub = 1u << 22;     // some argument register needs emptying or resetting afterwards
inline constexpr Word NeedObject = 1u << 23; // With: the value must be an object (or Nothing), else 424
inline constexpr Word Parens = 1u << 24;     // a member call written with empty parentheses, "obj.m()"
inline constexpr Word Fixed = 1u << 25;      // ReDim: the Dim of a fixed array (made once, when the Dim runs)
} // namespace flag

inline Op opOf(Word w) noexcept { return static_cast<Op>(w & 0xFFu); }
inline Word make(Op op, Word flags = 0) noexcept { return static_cast<Word>(op) | flags; }

// A name the code refers to: how the resolver bound it, and what the VM
// caches about it (the global slot, which never moves).
struct Name
{
    ast::Binding binding;
    std::u16string text;
    std::u16string folded;
    GlobalSlot *global = nullptr; // Global and LocalOrGlobal: the global slot
};

// A member access's inline cache: the class it last saw and the member's index.
struct MemberCache
{
    const ast::ClassDecl *cls = nullptr;
    int member = -1;
};

// Where a run of instructions came from: the statement (or the part of a
// compound statement) an error in it is reported at, where On Error Resume
// Next goes on, and the first temporary the statement uses (those above are
// emptied when it goes on).
struct Unit
{
    Word start = 0, end = 0;
    Word resume = 0;
    Word tempBase = 0;
    ast::Pos pos;
};

struct Code
{
    Code() = default;
    Code(const Code &) = delete;
    Code &operator=(const Code &) = delete;
    ~Code();

    std::vector<Word> words;
    std::vector<Variant> constants;
    std::vector<Name> names;
    std::vector<GlobalSlot *> globals; // names[i].global, packed for the calls of global procedures
    std::vector<Unit> units; // sorted by start, not overlapping
    mutable std::vector<MemberCache> caches;
    Word named = 0;    // slots of the scope (borrowed from the caller in Execute and Eval code)
    Word own = 0;      // named slots and temporaries: the registers with storage in the frame
    Word registers = 0; // own, then the constants
    int resultReg = -1; // the register a Return gives back, -1 for none
    // A procedure's calls: its parameters, which of the first 64 are ByVal
    // (the others: see proc), whether its slots start with arrays or
    // constants, and the bytes of its values and registers.
    Word params = 0;
    std::uint64_t byValue = 0;
    bool hasInits = false;
    bool simpleCall = true; // at most 64 parameters and no slots to set up
    // A simple function of one ByRef parameter, its result in register 1:
    // the commonest call, bound without the general tests.
    bool oneRefFunction = false;
    Word firstLocal = 0;    // named slots from here on are the procedure's own variables
    std::size_t frameBytes = 0;
    const ast::ProcDecl *proc = nullptr; // the procedure, or the scope of Execute/Eval code
    // Frames of ended calls, ready for the next: the VM's, which also frees them.
    mutable void *spareFrames = nullptr;
    const std::u16string *source = nullptr;
    Reservation memory; // what the code holds, charged to the run that compiled it

    // The unit an instruction belongs to, or null.
    const Unit *unitAt(Word pc) const noexcept;
    // Human-readable listing, for debugging the compiler.
    std::string listing() const;
};

} // namespace vm
} // namespace vbs
