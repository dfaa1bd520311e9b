#pragma once

#include "ast.h"
#include "object.h"

#include <memory>
#include <vector>

namespace vbs {

class Interpreter;

// An instance of a script Class. Members are found through the class's
// member table; Private members are reachable only from the class's own
// code (Me). Class_Terminate runs when the last reference goes, unless the
// engine is gone by then; any use after the engine is gone raises 445.
// The engine keeps a list of its live instances, so that at its end it can
// free those that only reference cycles hold.
class ScriptObject final : public Object
{
public:
    ScriptObject(Interpreter &interp, ast::ClassDecl &cls);
    ~ScriptObject() override;

    // Instances alive in this process, of every engine.
    static std::size_t liveCount() noexcept;

    std::u16string typeName() const override { return m_typeName; }
    Variant get(std::u16string_view name, ArgRefs args) override;
    void let(std::u16string_view name, ArgRefs args, const Variant &value) override;
    void set(std::u16string_view name, ArgRefs args, const Variant &value) override;
    void call(std::u16string_view name, ArgRefs args) override;
    ScriptObject *scriptObject() noexcept override { return this; }

    // By member index (-1: the default member).
    Variant getMember(int member, ArgRefs args);
    void letMember(int member, ArgRefs args, const Variant &value, bool isSet);
    bool isField(int member) const { return member >= 0 && m_cls.members[static_cast<std::size_t>(member)].field >= 0; }
    // By folded name; 438 when missing or private from outside.
    int findMember(const std::u16string &folded, bool fromInside) const;

    ast::ClassDecl &classDecl() { return m_cls; }
    std::vector<Variant> fields;
    bool initialized = false;

protected:
    void finalRelease() noexcept override;

private:
    Reservation m_memory; // the instance and its fields
    Interpreter &m_interp;
    ast::ClassDecl &m_cls;
    std::shared_ptr<bool> m_alive;
    std::u16string m_typeName;
    bool m_terminated = false;
    ScriptObject *m_prevLive = nullptr, *m_nextLive = nullptr;
    friend class Interpreter;
};

// The Err object of one engine.
class ErrObject final : public Object
{
public:
    explicit ErrObject(Interpreter &interp);
    std::u16string typeName() const override { return u"ErrObject"; }
    Variant get(std::u16string_view name, ArgRefs args) override;
    void let(std::u16string_view name, ArgRefs args, const Variant &value) override;

private:
    Interpreter &m_interp;
    std::shared_ptr<bool> m_alive;
};

// What Me is outside a class: the global scope, whose procedures and
// variables are its members.
class GlobalScopeObject final : public Object
{
public:
    explicit GlobalScopeObject(Interpreter &interp);
    std::u16string typeName() const override { return u"Object"; }
    Variant get(std::u16string_view name, ArgRefs args) override;
    void let(std::u16string_view name, ArgRefs args, const Variant &value) override;

private:
    Interpreter &m_interp;
    std::shared_ptr<bool> m_alive;
};

// What GetRef returns: calling its default member calls the procedure.
class ProcRef final : public Object
{
public:
    ProcRef(Interpreter &interp, ast::ProcDecl &proc);
    std::u16string typeName() const override { return u"Object"; }
    Variant get(std::u16string_view name, ArgRefs args) override;

private:
    Interpreter &m_interp;
    ast::ProcDecl &m_proc;
    std::shared_ptr<bool> m_alive;
};

} // namespace vbs
