#include "errorcore/error.h"
#include "hostkit/callbacknotifier.h"

#include <gtest/gtest.h>

namespace {

TEST(CallbackNotifier, CountsAndCallsBackOnEveryChange)
{
    int calls = 0;
    hostkit::CallbackNotifier notifier([&] { ++calls; });
    host::Notifier &asHostSees = notifier;
    asHostSees.NotifyChange();
    asHostSees.NotifyChange();
    EXPECT_EQ(notifier.count(), 2);
    EXPECT_EQ(calls, 2);
    notifier.resetCount();
    notifier.setCallback({});
    asHostSees.NotifyChange();
    EXPECT_EQ(notifier.count(), 1);
    EXPECT_EQ(calls, 2);
    notifier.setCallback([] { throw Error::fromNumber(5); });
    EXPECT_THROW(notifier.NotifyChange(), Error) << "a failing callback reaches the caller";
    EXPECT_EQ(notifier.count(), 2);
}

} // namespace
