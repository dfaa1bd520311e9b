#pragma once

namespace host {

// The host's skin: colours as BGR integers (red in the lowest byte); a
// negative value means the skin gives no colour for that item. A member the
// skin does not have raises 438 "Object doesn't support this property or
// method" (the base class does exactly that), as a late-bound skin lacking it.
class Skin
{
public:
    virtual ~Skin() = default;
    virtual long GetFormBackColor() const;
    virtual long GetTabBackColor() const;
    virtual long GetColorFont() const;
    virtual long GetToolbarBackColor() const;
    virtual long GetToolbarColorFont() const;
    virtual long GetButtonBackColor() const;
};

} // namespace host
