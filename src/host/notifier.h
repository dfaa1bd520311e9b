#pragma once

namespace host {

// The host's notifier: told after every user edit of the job.
class Notifier
{
public:
    virtual ~Notifier() = default;
    virtual void NotifyChange() = 0;
};

} // namespace host
