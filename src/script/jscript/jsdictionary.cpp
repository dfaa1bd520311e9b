#include "jsdictionary.h"

#include "script/bridge/variantconvert.h"
#include "script/vbscript/builtins.h"

#include <vector>

namespace {

vbs::Ref<vbs::Object> newDictionary()
{
    static const vbs::ObjectRegistry registry = [] {
        vbs::ObjectRegistry r;
        for (const auto &[progId, factory] : vbs::builtinTable().progIds())
            r.add(progId, factory);
        return r;
    }();
    return registry.create(u"Scripting.Dictionary");
}

// Arguments as the VBScript engine takes them (ByRef pointers to copies).
struct Args
{
    explicit Args(const QVariantList &values)
    {
        for (const QVariant &v : values)
            storage.push_back(bridge::toVariant(v));
        for (vbs::Variant &v : storage)
            refs.push_back(&v);
    }
    std::vector<vbs::Variant> storage;
    std::vector<vbs::Variant *> refs;
};

} // namespace

JsDictionary::JsDictionary() : m_dictionary(newDictionary()) {}
JsDictionary::~JsDictionary() = default;

vbs::Variant JsDictionary::member(std::u16string_view name, const QVariantList &args) const
{
    Args a(args);
    return m_dictionary->get(name, a.refs);
}

int JsDictionary::Count() const
{
    return member(u"Count").toLong();
}

int JsDictionary::CompareMode() const
{
    return member(u"CompareMode").toLong();
}

void JsDictionary::setCompareMode(int mode)
{
    m_dictionary->let(u"CompareMode", {}, vbs::Variant::fromLong(mode));
}

void JsDictionary::Add(const QVariant &key, const QVariant &item)
{
    member(u"Add", {key, item});
}

QVariant JsDictionary::Item(const QVariant &key)
{
    return bridge::toQVariant(member(u"Item", {key}));
}

void JsDictionary::Item(const QVariant &key, const QVariant &item)
{
    Args a({key});
    const vbs::Variant value = bridge::toVariant(item);
    if (value.isObject())
        m_dictionary->set(u"Item", a.refs, value);
    else
        m_dictionary->let(u"Item", a.refs, value);
}

bool JsDictionary::Exists(const QVariant &key) const
{
    return member(u"Exists", {key}).toBool();
}

QVariantList JsDictionary::Keys() const
{
    return bridge::toQVariant(member(u"Keys")).toList();
}

QVariantList JsDictionary::Items() const
{
    return bridge::toQVariant(member(u"Items")).toList();
}

void JsDictionary::Key(const QVariant &key, const QVariant &newKey)
{
    Args a({key});
    m_dictionary->let(u"Key", a.refs, bridge::toVariant(newKey));
}

void JsDictionary::Remove(const QVariant &key)
{
    member(u"Remove", {key});
}

void JsDictionary::RemoveAll()
{
    member(u"RemoveAll");
}
