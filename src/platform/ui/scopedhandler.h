#pragma once

#include <utility>

namespace ui {

// Installs a handler of a seam for the lifetime of the guard through the
// seam's `install` (which returns the handler it replaces), then puts the old
// one back.
template <class Handler, Handler (*install)(Handler)>
class ScopedHandler
{
public:
    explicit ScopedHandler(Handler handler) : m_previous(install(std::move(handler))) {}
    ~ScopedHandler() { install(std::move(m_previous)); }
    ScopedHandler(const ScopedHandler &) = delete;
    ScopedHandler &operator=(const ScopedHandler &) = delete;

private:
    Handler m_previous;
};

} // namespace ui
