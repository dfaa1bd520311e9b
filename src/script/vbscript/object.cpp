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

std::span<const MemberInfo> Object::members() const
{
    return {};
}

bool isReferenceArgument(ArgRefs args, std::size_t i)
{
    const detail::ArgumentList &last = detail::t_lastArguments;
    if (args.data() != last.refs || args.size() != last.count || i >= args.size() || i >= 64)
        return false;
    return (last.references >> i) & 1;
}

std::u16string foldCase(std::u16string_view name)
{
    std::u16string out(name);
    for (char16_t &c : out)
        c = foldChar(c);
    return out;
}

} // namespace vbs
