#pragma once

#include "errors.h"
#include "ast.h"
#include "builtins.h"
#include "globals.h"

#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace vbs {

// Binds every name of a parsed unit to where it lives (local slot, field,
// global slot, built-in), numbers the slots of each procedure, builds the
// member tables of classes and checks what the grammar cannot: 1041 Name
// redefined, 1037 Me outside a class, 1051/1052 property and default rules.
// It interns global names but changes no global value: the unit's
// procedures, classes, constants and arrays are listed in the Program for
// the interpreter to install once the whole unit compiled.
class Resolver
{
public:
    Resolver(GlobalTable &globals, const BuiltinTable &builtins);

    void resolve(ast::Program &program);
    // Code given to Execute or Eval while `scope` runs (null: global code).
    // New names become globals; the procedure's own locals stay visible.
    void resolveInScope(ast::Program &program, ast::ProcDecl *scope, ast::ClassDecl *cls);
    void resolveExpression(ast::Expr &expr, const std::u16string &source, ast::ProcDecl *scope,
                           ast::ClassDecl *cls);

private:
    struct Scope
    {
        ast::ProcDecl *proc = nullptr;
        ast::ClassDecl *cls = nullptr;
        bool dynamic = false; // Execute/Eval code: cannot add locals
        std::vector<ast::Binding> withStack;
        std::unordered_map<std::u16string, ast::Binding> implicit; // undeclared names of the procedure
    };

    [[noreturn]] void fail(CompileError number, ast::Pos pos) const;
    void declareGlobals(ast::Program &program);
    void declareClass(ast::ClassDecl &cls);
    void resolveProc(ast::ProcDecl &proc, ast::ClassDecl *cls);
    void collectLocals(ast::ProcDecl &proc, const ast::Block &block, ast::ClassDecl *cls);
    int addLocal(ast::ProcDecl &proc, const std::u16string &name, ast::Pos pos);

    void block(ast::Block &b, Scope &s);
    void statement(ast::Stmt &st, Scope &s);
    void expr(ast::Expr *e, Scope &s);
    void name(ast::NameExpr &n, Scope &s, bool asCallee);
    ast::Binding bind(const std::u16string &name, Scope &s, bool asCallee);
    bool isGlobalName(const std::u16string &folded) const;

    GlobalTable &m_globals;
    const BuiltinTable &m_builtins;
    const std::u16string *m_source = nullptr;
    bool m_explicit = false;
    std::unordered_set<std::u16string> m_unitGlobals;
    ast::Program *m_program = nullptr;
};

} // namespace vbs
