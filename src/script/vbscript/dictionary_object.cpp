// Scripting.Dictionary: keys in insertion order, found by value (numbers of
// any subtype alike, text by CompareMode, objects by identity). Reading a
// missing Item creates it, as VBScript does; Add of an existing key raises
// 457, Remove or Key of a missing one 32811.
#include "array.h"
#include "builtins_library.h"
#include "string_ops.h"
#include "text.h"

#include <cstring>
#include <unordered_map>

namespace vbs {

namespace {

using namespace lib;

// The raw argument (objects stay objects); an omitted one is Empty.
Variant rawArg(ArgRefs args, std::size_t i)
{
    if (i >= args.size() || !args[i] || args[i]->isMissing())
        return Variant();
    return *args[i];
}

class Dictionary final : public Object
{
public:
    std::u16string typeName() const override { return u"Dictionary"; }
    std::span<const MemberInfo> members() const override
    {
        static constexpr MemberInfo all[] = {
            {u"Item", MemberKind::Property, 1}, {u"Key", MemberKind::Property, 1},
            {u"Count", MemberKind::Property},   {u"CompareMode", MemberKind::Property},
            {u"Add", MemberKind::Method},       {u"Exists", MemberKind::Method},
            {u"Keys", MemberKind::Method},      {u"Items", MemberKind::Method},
            {u"Remove", MemberKind::Method},    {u"RemoveAll", MemberKind::Method}};
        return all;
    }

    Variant get(std::u16string_view name, ArgRefs args) override
    {
        if (name.empty() || equalsNoCase(name, u"Item")) {
            requireArgs(args, 1);
            return m_values[slotFor(rawArg(args, 0))];
        }
        if (equalsNoCase(name, u"Exists")) {
            requireArgs(args, 1);
            return Variant::fromBool(m_index.count(keyOf(rawArg(args, 0))) != 0);
        }
        if (equalsNoCase(name, u"Count")) {
            requireArgs(args, 0);
            return Variant::fromLong(static_cast<std::int32_t>(m_keys.size()));
        }
        if (equalsNoCase(name, u"Keys")) {
            requireArgs(args, 0);
            return Variant(Array::fromValues(m_keys));
        }
        if (equalsNoCase(name, u"Items")) {
            requireArgs(args, 0);
            return Variant(Array::fromValues(m_values));
        }
        if (equalsNoCase(name, u"CompareMode")) {
            requireArgs(args, 0);
            return Variant::fromLong(m_compareMode);
        }
        if (equalsNoCase(name, u"Add")) {
            requireArgs(args, 2);
            const Variant key = rawArg(args, 0);
            const std::u16string k = keyOf(key);
            if (m_index.count(k))
                raiseError(RuntimeError::DuplicateKey);
            insert(k, key, rawArg(args, 1));
            return Variant();
        }
        if (equalsNoCase(name, u"Remove")) {
            requireArgs(args, 1);
            const auto it = m_index.find(keyOf(rawArg(args, 0)));
            if (it == m_index.end())
                raiseError(RuntimeError::ElementNotFound);
            erase(it->second);
            return Variant();
        }
        if (equalsNoCase(name, u"RemoveAll")) {
            requireArgs(args, 0);
            m_keys.clear();
            m_values.clear();
            m_index.clear();
            m_memory.clear();
            return Variant();
        }
        unsupported();
    }

    void let(std::u16string_view name, ArgRefs args, const Variant &value) override
    {
        if (name.empty() || equalsNoCase(name, u"Item")) {
            requireArgs(args, 1);
            Variant plain = value.isObject() ? value.valueOf() : value;
            m_values[slotFor(rawArg(args, 0))] = std::move(plain);
        } else if (equalsNoCase(name, u"Key")) {
            requireArgs(args, 1);
            rename(rawArg(args, 0), value);
        } else if (equalsNoCase(name, u"CompareMode")) {
            requireArgs(args, 0);
            const std::int32_t mode = value.valueOf().toLong();
            if (mode < 0 || !m_keys.empty())
                raiseError(RuntimeError::InvalidProcedureCall);
            m_compareMode = mode;
        } else {
            unsupported();
        }
    }

    void set(std::u16string_view name, ArgRefs args, const Variant &value) override
    {
        if (name.empty() || equalsNoCase(name, u"Item")) {
            requireArgs(args, 1);
            m_values[slotFor(rawArg(args, 0))] = value;
        } else {
            let(name, args, value);
        }
    }

    std::vector<Variant> enumerate() override { return m_keys; }

private:
    // A text that identifies a key: numbers by value, text by the compare
    // mode (1 and above ignore case), objects by address.
    std::u16string keyOf(const Variant &key) const
    {
        std::u16string k;
        if (key.isObject()) {
            const auto address = reinterpret_cast<std::uintptr_t>(key.object());
            k = u"o" + fromAscii(std::to_string(address));
        } else if (key.isArray()) {
            raiseError(RuntimeError::TypeMismatch);
        } else if (key.isString()) {
            k = u"s" + (m_compareMode >= 1 ? lowerText(key.string()) : key.string());
        } else if (key.isEmpty()) {
            k = u"e";
        } else if (key.isNull()) {
            k = u"z";
        } else {
            const double d = key.toDouble();
            std::uint64_t bits = 0;
            std::memcpy(&bits, &d, sizeof bits);
            k = u"n" + fromAscii(std::to_string(d == 0.0 ? 0 : bits));
        }
        return k;
    }

    // An entry's share of the dictionary: its key and item with the room
    // their vectors keep ahead, its node and bucket in the index and the
    // index's key text (the values' own text and arrays are charged where
    // they were made).
    static std::size_t entryCost(const std::u16string &k) { return 4 * sizeof(Variant) + 96 + k.size() * sizeof(char16_t); }

    void insert(const std::u16string &k, const Variant &key, const Variant &value)
    {
        m_memory.grow(entryCost(k));
        m_index.emplace(k, m_keys.size());
        m_keys.push_back(key);
        m_values.push_back(value);
    }

    // The slot of `key`, added with an Empty item when missing.
    std::size_t slotFor(const Variant &key)
    {
        const std::u16string k = keyOf(key);
        const auto it = m_index.find(k);
        if (it != m_index.end())
            return it->second;
        insert(k, key, Variant());
        return m_keys.size() - 1;
    }

    void erase(std::size_t slot)
    {
        const std::u16string k = keyOf(m_keys[slot]);
        m_memory.shrink(entryCost(k));
        m_index.erase(k);
        m_keys.erase(m_keys.begin() + static_cast<std::ptrdiff_t>(slot));
        m_values.erase(m_values.begin() + static_cast<std::ptrdiff_t>(slot));
        for (auto &entry : m_index)
            if (entry.second > slot)
                --entry.second;
    }

    void rename(const Variant &from, const Variant &to)
    {
        const auto it = m_index.find(keyOf(from));
        if (it == m_index.end())
            raiseError(RuntimeError::ElementNotFound);
        const std::u16string newKey = keyOf(to);
        if (m_index.count(newKey))
            raiseError(RuntimeError::DuplicateKey);
        const std::size_t slot = it->second;
        m_memory.grow(entryCost(newKey));
        m_memory.shrink(entryCost(it->first));
        m_index.erase(it);
        m_index.emplace(newKey, slot);
        m_keys[slot] = to;
    }

    std::vector<Variant> m_keys;
    std::vector<Variant> m_values;
    std::unordered_map<std::u16string, std::size_t> m_index;
    std::int32_t m_compareMode = 0;
    Reservation m_memory;
};

} // namespace

void addDictionaryClass(BuiltinTable &t)
{
    t.addProgId(u"Scripting.Dictionary", [] { return Ref<Object>(makeRef<Dictionary>()); });
}

} // namespace vbs
