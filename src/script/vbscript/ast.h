#pragma once

// The syntax tree: plain nodes with a kind, a position and their parts.
// The resolver fills in the `Binding` and slot fields; the compiler reads
// the tree and hangs the code it makes on the procedures and the program.

#include "variant.h"

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace vbs::vm {
struct Code;
}

namespace vbs::ast {

struct Pos
{
    int line = 0;
    int column = 0;
};

// Where a name lives, decided by the resolver.
struct Binding
{
    enum Kind : std::uint8_t {
        Unresolved,
        Local,         // slot in the current frame
        LocalOrGlobal, // undeclared in a procedure: the global when it exists, else local slot
        Global,        // slot in the engine's global table (variable, procedure or class)
        Field,         // field of Me
        Member,        // method or property of Me (slot: member index)
        Builtin,       // built-in function (slot: table index)
        BuiltinConst,  // built-in constant (slot: table index)
        ErrObject,     // the Err object
    };
    Kind kind = Unresolved;
    bool explicitOnly = false; // Option Explicit: an undefined variable raises 500
    std::int32_t slot = -1;
    std::int32_t slot2 = -1;   // LocalOrGlobal: the global slot
};

enum class ExprKind : std::uint8_t { Literal, Name, Member, Call, With, Me, New, Unary, Binary, Chain, Paren };

// Binding strength, weakest first: Imp < Eqv < Xor < Or < And < Not <
// comparison (= <> < > <= >= Is) < & < + - < Mod < \ < * / < unary - < ^.
enum class Prec : std::uint8_t { Imp, Eqv, Xor, Or, And, Not, Compare, Concat, Additive, Mod, IntDiv, Multiplicative, Unary, Power };

enum class BinOp : std::uint8_t {
    Imp, Eqv, Xor, Or, And, Eq, Ne, Lt, Gt, Le, Ge, Is, Concat, Add, Sub, Mod, IntDiv, Mul, Div, Pow
};
enum class UnOp : std::uint8_t { Neg, Plus, Not };

struct Expr
{
    explicit Expr(ExprKind k, Pos p) : kind(k), pos(p) {}
    virtual ~Expr() = default;
    ExprKind kind;
    Pos pos;
    int depth = 1; // height of the subtree, bounded by the parser
};
using ExprPtr = std::unique_ptr<Expr>;

struct LiteralExpr : Expr { LiteralExpr(Pos p, Variant v) : Expr(ExprKind::Literal, p), value(std::move(v)) {} Variant value; };
struct NameExpr : Expr { NameExpr(Pos p, std::u16string n) : Expr(ExprKind::Name, p), name(std::move(n)) {} std::u16string name; Binding binding; };
struct MemberExpr : Expr { MemberExpr(Pos p, ExprPtr o, std::u16string n) : Expr(ExprKind::Member, p), object(std::move(o)), name(std::move(n)) {} ExprPtr object; std::u16string name; std::u16string folded; };
// callee(args): a call, an array index or a default member. A null argument is omitted.
struct CallExpr : Expr { CallExpr(Pos p, ExprPtr c) : Expr(ExprKind::Call, p), callee(std::move(c)) {} ExprPtr callee; std::vector<ExprPtr> args; };
// The object of the innermost With (.name); slot set by the resolver.
struct WithExpr : Expr { explicit WithExpr(Pos p) : Expr(ExprKind::With, p) {} Binding binding; };
struct MeExpr : Expr { explicit MeExpr(Pos p) : Expr(ExprKind::Me, p) {} };
struct NewExpr : Expr { NewExpr(Pos p, std::u16string n) : Expr(ExprKind::New, p), className(std::move(n)) {} std::u16string className; Binding binding; };
struct UnaryExpr : Expr { UnaryExpr(Pos p, UnOp o, ExprPtr e) : Expr(ExprKind::Unary, p), op(o), operand(std::move(e)) {} UnOp op; ExprPtr operand; };
struct BinaryExpr : Expr { BinaryExpr(Pos p, BinOp o, ExprPtr l, ExprPtr r) : Expr(ExprKind::Binary, p), op(o), left(std::move(l)), right(std::move(r)) {} BinOp op; ExprPtr left, right; };
// first op operand op operand ...: three operands or more of left-associative
// binary operators, applied left to right ((first op a) op b ...). Every
// level of the ladder is left-associative, so a run like a & b & c, however
// long, is one flat node and no pass over the tree nests deeper for it.
struct ChainLink { BinOp op; Pos pos; ExprPtr operand; };
struct ChainExpr : Expr { ChainExpr(Pos p, ExprPtr f) : Expr(ExprKind::Chain, p), first(std::move(f)) {} ExprPtr first; std::vector<ChainLink> rest; };
// (expr): as an argument it is passed by value.
struct ParenExpr : Expr { ParenExpr(Pos p, ExprPtr e) : Expr(ExprKind::Paren, p), inner(std::move(e)) {} ExprPtr inner; };

enum class StmtKind : std::uint8_t {
    Call, Assign, Dim, ReDim, Erase, Const, If, Select, For, ForEach, Do, Exit, With, OnError, Nop
};

struct Stmt
{
    explicit Stmt(StmtKind k, Pos p) : kind(k), pos(p) {}
    virtual ~Stmt() = default;
    StmtKind kind;
    Pos pos;
};
using StmtPtr = std::unique_ptr<Stmt>;
using Block = std::vector<StmtPtr>;

// f a, b / Call f(a, b) / obj.m a: `call` is a Name, Member, With or Call expression.
struct CallStmt : Stmt { CallStmt(Pos p, ExprPtr c) : Stmt(StmtKind::Call, p), call(std::move(c)) {} ExprPtr call; };
// [Let] target = value / Set target = value. appendSelf: s = s & x on a plain variable.
struct AssignStmt : Stmt { AssignStmt(Pos p) : Stmt(StmtKind::Assign, p) {} ExprPtr target, value; bool isSet = false; bool appendSelf = false; };

struct VarDecl
{
    Pos pos;
    std::u16string name;
    bool hasDims = false;               // Dim a() or Dim a(3)
    std::vector<std::int32_t> dims;     // upper bounds
    Binding binding;
};
// Dim / Public / Private variable declarations.
struct DimStmt : Stmt { explicit DimStmt(Pos p) : Stmt(StmtKind::Dim, p) {} std::vector<VarDecl> vars; };
struct ReDimItem { ExprPtr target; std::vector<ExprPtr> dims; };
struct ReDimStmt : Stmt { explicit ReDimStmt(Pos p) : Stmt(StmtKind::ReDim, p) {} bool preserve = false; std::vector<ReDimItem> items; };
struct EraseStmt : Stmt { explicit EraseStmt(Pos p) : Stmt(StmtKind::Erase, p) {} std::vector<ExprPtr> targets; };
struct ConstItem { Pos pos; std::u16string name; Variant value; Binding binding; };
struct ConstStmt : Stmt { explicit ConstStmt(Pos p) : Stmt(StmtKind::Const, p) {} std::vector<ConstItem> items; };

struct IfBranch { ExprPtr cond; Block body; };
struct IfStmt : Stmt { explicit IfStmt(Pos p) : Stmt(StmtKind::If, p) {} std::vector<IfBranch> branches; Block elseBody; };

struct CaseClause { std::vector<ExprPtr> values; Block body; };
struct SelectStmt : Stmt { explicit SelectStmt(Pos p) : Stmt(StmtKind::Select, p) {} ExprPtr subject; std::vector<CaseClause> cases; bool hasElse = false; Block elseBody; };

struct ForStmt : Stmt { explicit ForStmt(Pos p) : Stmt(StmtKind::For, p) {} ExprPtr var, from, to, step; Block body; };
struct ForEachStmt : Stmt { explicit ForEachStmt(Pos p) : Stmt(StmtKind::ForEach, p) {} ExprPtr var, collection; Block body; };

// Do [While|Until c] ... Loop / Do ... Loop [While|Until c] / While c ... Wend.
struct DoStmt : Stmt
{
    explicit DoStmt(Pos p) : Stmt(StmtKind::Do, p) {}
    enum class Test : std::uint8_t { None, Before, After } test = Test::None;
    bool until = false;
    bool isWhileWend = false; // Exit Do passes through it
    ExprPtr cond;
    Block body;
};

enum class ExitKind : std::uint8_t { Do, For, Function, Sub, Property };
struct ExitStmt : Stmt { ExitStmt(Pos p, ExitKind w) : Stmt(StmtKind::Exit, p), what(w) {} ExitKind what; };
struct WithStmt : Stmt { explicit WithStmt(Pos p) : Stmt(StmtKind::With, p) {} ExprPtr object; Binding binding; Block body; };
struct OnErrorStmt : Stmt { OnErrorStmt(Pos p, bool r) : Stmt(StmtKind::OnError, p), resumeNext(r) {} bool resumeNext; };
struct SimpleStmt : Stmt { using Stmt::Stmt; };

enum class ProcKind : std::uint8_t { Sub, Function, PropertyGet, PropertyLet, PropertySet };

struct Param
{
    Pos pos;
    std::u16string name;
    bool byVal = false;
    bool isArray = false; // name()
};

struct ClassDecl;

// A slot that holds a value before the code runs: a fixed array (Dim a(3)),
// an undimensioned dynamic array (Dim a()) or a constant.
struct SlotInit
{
    int slot = -1;
    enum class What : std::uint8_t { Declare, FixedArray, DynamicArray, Constant } what = What::Declare;
    std::vector<std::int32_t> dims;
    Variant value;
};

struct ProcDecl
{
    Pos pos;
    ProcKind kind = ProcKind::Sub;
    std::u16string name;
    std::vector<Param> params;
    Block body;
    bool isPublic = true;
    bool isDefault = false;
    ClassDecl *owner = nullptr;
    // resolver output
    int slotCount = 0;     // params, then the result slot, then locals
    int resultSlot = -1;   // Function and Property Get
    std::unordered_map<std::u16string, int> locals; // folded name -> slot (for Eval/Execute)
    std::vector<SlotInit> inits;                     // run on every entry
    const std::u16string *source = nullptr;          // text of the unit, for error lines
    // compiler output
    std::shared_ptr<vm::Code> code;
};

struct FieldDecl
{
    Pos pos;
    std::u16string name;
    bool isPublic = true;
    bool hasDims = false;
    std::vector<std::int32_t> dims;
};

// A member of a class: a field, or the procedures sharing one name.
struct ClassMember
{
    std::u16string name;
    int field = -1;
    ProcDecl *method = nullptr; // Sub or Function
    ProcDecl *get = nullptr, *let = nullptr, *set = nullptr;
    bool isPublic = true;
};

struct ClassDecl
{
    Pos pos;
    std::u16string name;
    std::vector<FieldDecl> fields;
    std::vector<std::unique_ptr<ProcDecl>> procs;
    // resolver output
    std::vector<ClassMember> members;
    std::unordered_map<std::u16string, int> memberIndex; // folded name -> member
    int defaultMember = -1;
    ProcDecl *initialize = nullptr;
    ProcDecl *terminate = nullptr;
};

// One compiled unit (one AddCode, Execute or ExecuteGlobal).
struct Program
{
    Reservation memory; // the tree and its source, charged to the run that compiled it
    std::u16string source;
    Block body;
    std::vector<std::unique_ptr<ProcDecl>> procs;
    std::vector<std::unique_ptr<ClassDecl>> classes;
    bool optionExplicit = false;
    // resolver output
    std::vector<SlotInit> globalInits; // global slots defined when the unit loads
    std::vector<std::pair<int, ProcDecl *>> procSlots;
    std::vector<std::pair<int, ClassDecl *>> classSlots;
    // compiler output: the global code
    std::shared_ptr<vm::Code> main;
};

} // namespace vbs::ast
