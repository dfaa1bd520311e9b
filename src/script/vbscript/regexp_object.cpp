// The RegExp class (New RegExp) and its Matches, Match and SubMatches
// objects, over regexp_engine.h. A pattern that does not compile raises its
// 5017..5021 error when used; a search past the match limit raises 28.
#include "array.h"
#include "builtins_library.h"
#include "regexp_engine.h"
#include "text.h"
#include "textbuilder.h"

#include <memory>

namespace vbs {

namespace {

using namespace lib;

// Matches and SubMatches: Item(index), the default member, and Count.
constexpr MemberInfo collectionMembers[] = {{u"Item", MemberKind::Property, 1}, {u"Count", MemberKind::Property}};

std::size_t indexArg(ArgRefs args, std::size_t size)
{
    requireArgs(args, 1);
    const std::int32_t i = argLong(args, 0);
    if (i < 0 || static_cast<std::size_t>(i) >= size)
        raiseError(RuntimeError::InvalidProcedureCall);
    return static_cast<std::size_t>(i);
}

class SubMatches final : public Object
{
public:
    explicit SubMatches(std::vector<std::optional<std::u16string>> groups) : m_groups(std::move(groups)) {}
    std::u16string typeName() const override { return u"ISubMatches"; }
    std::span<const MemberInfo> members() const override { return collectionMembers; }

    Variant get(std::u16string_view name, ArgRefs args) override
    {
        if (name.empty() || equalsNoCase(name, u"Item"))
            return value(indexArg(args, m_groups.size()));
        if (equalsNoCase(name, u"Count")) {
            requireArgs(args, 0);
            return Variant::fromLong(static_cast<std::int32_t>(m_groups.size()));
        }
        unsupported();
    }

    std::vector<Variant> enumerate() override
    {
        std::vector<Variant> out;
        for (std::size_t i = 0; i < m_groups.size(); ++i)
            out.push_back(value(i));
        return out;
    }

private:
    Variant value(std::size_t i) const { return m_groups[i] ? Variant(*m_groups[i]) : Variant(); }
    std::vector<std::optional<std::u16string>> m_groups;
};

class Match final : public Object
{
public:
    explicit Match(RegexMatch m) : m_match(std::move(m)) {}
    std::u16string typeName() const override { return u"IMatch2"; }
    std::span<const MemberInfo> members() const override
    {
        static constexpr MemberInfo all[] = {{u"Value", MemberKind::Property}, {u"FirstIndex", MemberKind::Property},
                                             {u"Length", MemberKind::Property}, {u"SubMatches", MemberKind::Property}};
        return all;
    }

    Variant get(std::u16string_view name, ArgRefs args) override
    {
        if (equalsNoCase(name, u"SubMatches")) {
            // m.SubMatches(i) reaches the collection's default member.
            Ref<Object> subMatches = makeRef<SubMatches>(m_match.groups);
            return args.empty() ? Variant(subMatches) : subMatches->get(u"", args);
        }
        requireArgs(args, 0);
        if (name.empty() || equalsNoCase(name, u"Value"))
            return Variant(m_match.value);
        if (equalsNoCase(name, u"FirstIndex"))
            return Variant::fromLong(static_cast<std::int32_t>(m_match.index));
        if (equalsNoCase(name, u"Length"))
            return Variant::fromLong(static_cast<std::int32_t>(m_match.value.size()));
        unsupported();
    }

private:
    RegexMatch m_match;
};

class Matches final : public Object
{
public:
    Matches(std::vector<RegexMatch> found, Reservation memory) : m_memory(std::move(memory))
    {
        for (RegexMatch &m : found)
            m_items.emplace_back(Ref<Object>(makeRef<Match>(std::move(m))));
    }
    std::u16string typeName() const override { return u"IMatchCollection2"; }
    std::span<const MemberInfo> members() const override { return collectionMembers; }

    Variant get(std::u16string_view name, ArgRefs args) override
    {
        if (name.empty() || equalsNoCase(name, u"Item"))
            return m_items[indexArg(args, m_items.size())];
        if (equalsNoCase(name, u"Count")) {
            requireArgs(args, 0);
            return Variant::fromLong(static_cast<std::int32_t>(m_items.size()));
        }
        unsupported();
    }

    std::vector<Variant> enumerate() override { return m_items; }

private:
    std::vector<Variant> m_items;
    Reservation m_memory; // the matches, charged as they were found
};

class RegExp final : public Object
{
public:
    std::u16string typeName() const override { return u"IRegExp2"; }
    std::span<const MemberInfo> members() const override
    {
        static constexpr MemberInfo all[] = {
            {u"Pattern", MemberKind::Property}, {u"Global", MemberKind::Property},
            {u"IgnoreCase", MemberKind::Property}, {u"Multiline", MemberKind::Property},
            {u"Test", MemberKind::Method}, {u"Execute", MemberKind::Method}, {u"Replace", MemberKind::Method}};
        return all;
    }

    Variant get(std::u16string_view name, ArgRefs args) override
    {
        if (equalsNoCase(name, u"Pattern")) {
            requireArgs(args, 0);
            return Variant(m_pattern);
        }
        if (equalsNoCase(name, u"Global")) {
            requireArgs(args, 0);
            return Variant::fromBool(m_global);
        }
        if (equalsNoCase(name, u"IgnoreCase")) {
            requireArgs(args, 0);
            return Variant::fromBool(m_ignoreCase);
        }
        if (equalsNoCase(name, u"Multiline")) {
            requireArgs(args, 0);
            return Variant::fromBool(m_multiline);
        }
        if (equalsNoCase(name, u"Test")) {
            requireArgs(args, 1);
            const TextArg subject(args, 0);
            return Variant::fromBool(run([&](const Regex &re) { return re.search(subject.str(), 0).has_value(); }));
        }
        if (equalsNoCase(name, u"Execute")) {
            requireArgs(args, 1);
            const TextArg subject(args, 0);
            Reservation memory;
            std::vector<RegexMatch> found =
                run([&](const Regex &re) { return re.matches(subject.str(), m_global, &memory); });
            return Variant(Ref<Object>(makeRef<Matches>(std::move(found), std::move(memory))));
        }
        if (equalsNoCase(name, u"Replace")) {
            requireArgs(args, 2);
            if (isNullArg(args, 0))
                return Variant::null();
            const TextArg subject(args, 0);
            // The replacement converts as a COM string does: True is "-1".
            const Variant withValue = argValue(args, 1);
            const std::u16string with = withValue.type() == Variant::Type::Boolean
                                            ? std::u16string(withValue.boolValue() ? u"-1" : u"0")
                                            : withValue.toString();
            TextBuilder out;
            run([&](const Regex &re) { re.replace(out, subject.str(), with, m_global); });
            return out.take();
        }
        unsupported();
    }

    void let(std::u16string_view name, ArgRefs args, const Variant &value) override
    {
        requireArgs(args, 0);
        if (equalsNoCase(name, u"Pattern"))
            m_pattern = value.valueOf().toString();
        else if (equalsNoCase(name, u"Global"))
            m_global = value.valueOf().toBool();
        else if (equalsNoCase(name, u"IgnoreCase"))
            m_ignoreCase = value.valueOf().toBool();
        else if (equalsNoCase(name, u"Multiline"))
            m_multiline = value.valueOf().toBool();
        else
            unsupported();
        m_compiled.reset();
    }

private:
    // Runs `body` on the compiled pattern, turning engine errors into
    // script errors.
    template <class Body>
    auto run(Body &&body) -> decltype(body(std::declval<const Regex &>()))
    {
        if (!m_compiled)
            m_compiled = std::make_unique<Regex>(m_pattern, RegexOptions{m_ignoreCase, m_multiline});
        try {
            return body(*m_compiled);
        } catch (const RegexError &e) {
            raiseError(e.number);
        }
    }

    std::u16string m_pattern;
    bool m_global = false;
    bool m_ignoreCase = false;
    bool m_multiline = false;
    std::unique_ptr<Regex> m_compiled;
};

} // namespace

void addRegExpClass(BuiltinTable &t)
{
    const auto make = [] { return Ref<Object>(makeRef<RegExp>()); };
    t.addClass(u"RegExp", make);
    t.addProgId(u"VBScript.RegExp", make);
}

} // namespace vbs
