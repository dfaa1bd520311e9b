#include "callbacknotifier.h"

namespace hostkit {

CallbackNotifier::CallbackNotifier(std::function<void()> callback)
    : m_callback(std::move(callback))
{
}

void CallbackNotifier::NotifyChange()
{
    ++m_count;
    if (m_callback)
        m_callback();
}

void CallbackNotifier::setCallback(std::function<void()> callback)
{
    m_callback = std::move(callback);
}

} // namespace hostkit
