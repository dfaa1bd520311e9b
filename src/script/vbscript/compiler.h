#pragma once

#include "ast.h"
#include "builtins.h"
#include "code.h"
#include "globals.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace vbs {

// Turns the resolved tree into code (code.h): every procedure of a unit,
// its global code, or one Eval expression. Names become register operands
// (locals), cached global slots, built-in indexes or member indexes where
// the binding allows; literals go to a pool. Each statement, and each part
// of a compound statement's head, becomes a Unit that tells where its errors
// are reported and where On Error Resume Next goes on.
//
// Nothing here fails but an allocation (7, charged to the run's budget) or
// the run's deadline (18, polled per statement).
class Compiler
{
public:
    Compiler(GlobalTable &globals, const BuiltinTable &builtins);

    // The unit's procedures and its global code. `scope` is the procedure
    // Execute code runs in (null: global code), whose slots it shares.
    void compile(ast::Program &program, const ast::ProcDecl *scope);
    // An Eval expression: its code returns the value.
    std::shared_ptr<vm::Code> compileExpression(const ast::Expr &e, const std::u16string &source,
                                                const ast::ProcDecl *scope);

private:
    using Word = vm::Word;
    static constexpr Word kConst = 0x80000000u; // a register number still to be placed after the temporaries

    // What an Exit inside a loop or With must undo on its way out.
    struct Block
    {
        enum Kind { Do, While, For, ForEach, With };
        explicit Block(Kind k) : kind(k) {}
        Kind kind;
        Word state = 0;        // ForEach: its state registers; With: the object's register or name
        bool withGlobal = false;
        std::vector<Word> exits; // jumps to patch to the block's end
    };

    // code
    std::shared_ptr<vm::Code> begin(const ast::ProcDecl *proc, const std::u16string &source, Word named);
    void finish();
    void procedure(ast::ProcDecl &proc, const std::u16string &source);
    Word here() const { return static_cast<Word>(m_code->words.size()); }
    void emit(Word w);
    void reg(Word r); // an operand register (a constant is placed later)
    Word jump(vm::Op op, Word flags = 0); // emits op with a target to patch; returns the target's word
    void patch(Word at, Word target) { m_code->words[at] = target; }
    void patchHere(Word at) { patch(at, here()); }
    void unit(Word start, ast::Pos pos, Word resume, Word tempBase);

    // registers
    Word temp();
    Word temps(Word n);
    void release(Word mark) { m_top = mark; }
    bool isTemp(Word r) const { return r < kConst && r >= m_code->named; }
    Word constant(const Variant &v);
    Word emptyConst() { return constant(Variant()); }
    Word name(const ast::NameExpr &n);
    Word name(const ast::Binding &b, const std::u16string &text);
    bool knownProcedure(const ast::Binding &b) const;

    // statements (compiler.cpp)
    void block(const ast::Block &b);
    void statement(const ast::Stmt &st);
    void ifStmt(const ast::IfStmt &s);
    void selectStmt(const ast::SelectStmt &s);
    void forStmt(const ast::ForStmt &s);
    void forEachStmt(const ast::ForEachStmt &s);
    // A For or For Each whose head ends in its exit target: the body, the
    // Next, the exits patched, and the units of the head and of the Next.
    struct LoopHead
    {
        Word start, base; // the statement's first word and temporary
        Word var, varFlag, state;
        ast::Pos pos;
    };
    void loopRest(const LoopHead &h, Block b, vm::Op nextOp, const ast::Block &body);
    void doStmt(const ast::DoStmt &s);
    void withStmt(const ast::WithStmt &s);
    void exitStmt(const ast::ExitStmt &s);
    void fixedArrays(const ast::DimStmt &s); // Dim a(3): the array, made when the Dim runs
    void leave(const Block &b); // what leaving `b` early undoes
    // Jumps to `target` unless the condition holds; false jumps when it does.
    void branchUnless(const ast::Expr &cond, Word &patchAt, bool jumpWhenTrue = false);

    // expressions, calls and assignment (compiler_expr.cpp)
    static const ast::Expr &unparenthesized(const ast::Expr &e);
    // Evaluating it runs no code and cannot fail (a literal, a local): it may be read where it is.
    static bool pure(const ast::Expr *e);
    // Its value is never a string, an object or an array (what an
    // arithmetic, comparison or logical operator gives).
    static bool plain(const ast::Expr &e);
    // The register holding e's value: a local or a literal where it is when
    // `inPlace`, else a new temporary.
    Word value(const ast::Expr &e, bool inPlace = true);
    // Computes e into `dst` (a temporary; a local only for operators).
    void into(const ast::Expr &e, Word dst);
    void binary(const ast::BinaryExpr &b, Word dst);
    void chain(const ast::ChainExpr &c, Word dst);
    void call(const ast::CallExpr &c, Word dst, Word flags);
    void member(const ast::MemberExpr &m, Word dst, Word flags);
    void bareName(const ast::NameExpr &n, Word dst, Word flags);
    // Arguments: the registers to pass, evaluated in order (variables by reference).
    std::vector<Word> arguments(const std::vector<ast::ExprPtr> &args);
    // A temporary pointing at the array element a(i) or a(i)(j) names, or kNone.
    Word elementReference(const ast::CallExpr &c);
    static constexpr Word kNone = 0xFFFFFFFFu;
    // An instruction of the argument layout; the first word of `extra` is a
    // register when `firstIsRegister`.
    void argumentOp(vm::Op op, Word flags, Word d, const std::vector<Word> &args, std::initializer_list<Word> extra,
                    bool firstIsRegister = false);
    bool allPure(const std::vector<ast::ExprPtr> &args) const;
    void assign(const ast::AssignStmt &s);
    void callStatement(const ast::CallStmt &s);
    void reDim(const ast::ReDimStmt &s);
    void erase(const ast::EraseStmt &s);
    // A variable operand: its register (flags 0) or its name (flag VarName).
    std::pair<Word, Word> variable(const ast::NameExpr &n);
    Word cache();

    GlobalTable &m_globals;
    const BuiltinTable &m_builtins;
    const ast::Program *m_program = nullptr;
    vm::Code *m_code = nullptr;
    std::shared_ptr<vm::Code> m_current;
    Word m_top = 0, m_high = 0;
    std::vector<Word> m_constFixups;
    std::unordered_map<std::string, Word> m_constIndex;
    std::unordered_map<std::u16string, Word> m_nameIndex;
    std::vector<Block> m_blocks;
    std::vector<bool> m_plain; // a temporary holds a value never counted (a number, a Boolean, Null)
    std::size_t m_charged = 0;
};

} // namespace vbs
