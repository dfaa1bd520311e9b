#include "expecterror.h"
#include "script_support.h"

#include <gtest/gtest.h>

using namespace objtest;

namespace {

TEST(AutomationRegistry, CreatesNewParentlessObjectsAnyCaseAndRaises429ForOthers)
{
    for (const char *progId : {"ADODB.Connection", "adodb.recordset", "SCRIPTING.FILESYSTEMOBJECT"}) {
        auto first = create(progId);
        ASSERT_NE(first, nullptr) << progId;
        EXPECT_EQ(first->parent(), nullptr);
        EXPECT_NE(create(progId).get(), first.get());
    }
    EXPECT_TRUE(AutomationRegistry::instance().progIds().contains(QStringLiteral("ADODB.Connection")));
    EXPECT_TRUE(AutomationRegistry::instance().contains(QStringLiteral("scripting.filesystemobject")));
    const Error e = raisedBy([] { create("Word.Application"); });
    EXPECT_EQ(e.number, 429);
    EXPECT_EQ(e.description, QStringLiteral("ActiveX component can't create object: Word.Application"));
    // What the bridges rely on: default members by class info.
    const QMetaObject *meta = create("ADODB.Recordset")->metaObject();
    ASSERT_GE(meta->indexOfClassInfo("DefaultMember"), 0);
    EXPECT_STREQ(meta->classInfo(meta->indexOfClassInfo("DefaultMember")).value(), "Fields");
}

TEST(AutomationRegistry, AddedFactoryCanBeRemoved)
{
    AutomationRegistry registry;
    registry.registerFactory(QStringLiteral("Test.Thing"), [] { return new QObject; });
    EXPECT_NE(std::unique_ptr<QObject>(registry.create(QStringLiteral("test.thing"))), nullptr);
    registry.registerFactory(QStringLiteral("Test.Nothing"), [] { return nullptr; });
    expectError(429, [&] { registry.create(QStringLiteral("Test.Nothing")); });
    registry.unregisterFactory(QStringLiteral("TEST.THING"));
    expectError(429, [&] { registry.create(QStringLiteral("Test.Thing")); });
}

} // namespace
