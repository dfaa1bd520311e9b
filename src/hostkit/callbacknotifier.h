#pragma once

#include "host/notifier.h"

#include <functional>

namespace hostkit {

// The reference notifier: counts the editor's change notifications and calls
// a callback with each one (the desktop host marks its document modified).
// Without a callback it only counts.
class CallbackNotifier : public host::Notifier
{
public:
    explicit CallbackNotifier(std::function<void()> callback = {});

    // Counts the call, then runs the callback; an exception from the
    // callback reaches the editor, which reports it as its own failure.
    void NotifyChange() override;

    void setCallback(std::function<void()> callback);
    int count() const { return m_count; }
    void resetCount() { m_count = 0; }

private:
    std::function<void()> m_callback;
    int m_count = 0;
};

} // namespace hostkit
