#include "object.h"

#include "errors.h"
#include "text.h"

namespace vbs {

void Object::unsupported()
{
    raiseError(RuntimeError::MemberNotSupported);
}

Variant Object::get(std::u16string_view, ArgRefs)
{
    unsupported();
}

void Object::let(std::u16string_view, ArgRefs, const Variant &)
{
    unsupported();
}

void Object::set(std::u16string_view name, ArgRefs args, const Variant &value)
{
    let(name, args, value);
}

void Object::call(std::u16string_view name, ArgRefs args)
{
    get(name, args);
}

std::vector<Variant> Object::enumerate()
{
    unsupported();
}

std::u16string foldCase(std::u16string_view name)
{
    std::u16string out(name);
    for (char16_t &c : out)
        c = foldChar(c);
    return out;
}

void ObjectRegistry::add(std::u16string_view progId, Factory factory)
{
    m_factories[foldCase(progId)] = std::move(factory);
}

void ObjectRegistry::remove(std::u16string_view progId)
{
    m_factories.erase(foldCase(progId));
}

bool ObjectRegistry::contains(std::u16string_view progId) const
{
    return m_factories.count(foldCase(progId)) != 0;
}

Ref<Object> ObjectRegistry::create(std::u16string_view progId) const
{
    const auto it = m_factories.find(foldCase(progId));
    if (it == m_factories.end() || !it->second)
        raiseError(RuntimeError::CannotCreateObject);
    Ref<Object> object = it->second();
    if (!object)
        raiseError(RuntimeError::CannotCreateObject);
    return object;
}

} // namespace vbs
