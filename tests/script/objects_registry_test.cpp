#include "script/objects/automationregistry.h"

#include "objects_support.h"

#include <gtest/gtest.h>

using namespace objtest;

namespace {

TEST(AutomationRegistry, CreatesTheStandardObjectsAnyCase)
{
    AutomationRegistry &registry = AutomationRegistry::instance();
    for (const char *progId : {"ADODB.Connection", "adodb.recordset", "SCRIPTING.FILESYSTEMOBJECT"}) {
        std::unique_ptr<QObject> object(registry.create(QString::fromLatin1(progId)));
        ASSERT_NE(object, nullptr) << progId;
        EXPECT_EQ(object->parent(), nullptr);
    }
    EXPECT_TRUE(registry.progIds().contains(QStringLiteral("ADODB.Connection")));
    EXPECT_TRUE(registry.contains(QStringLiteral("scripting.filesystemobject")));
}

TEST(AutomationRegistry, EachCreateIsANewObject)
{
    std::unique_ptr<QObject> first(AutomationRegistry::instance().create(QStringLiteral("ADODB.Connection")));
    std::unique_ptr<QObject> second(AutomationRegistry::instance().create(QStringLiteral("ADODB.Connection")));
    EXPECT_NE(first.get(), second.get());
}

TEST(AutomationRegistry, UnknownNameRaises429)
{
    const Error error = raised([] { AutomationRegistry::instance().create(QStringLiteral("Word.Application")); });
    EXPECT_EQ(error.number, 429);
    EXPECT_EQ(error.description, QStringLiteral("ActiveX component can't create object: Word.Application"));
}

TEST(AutomationRegistry, AddedFactoryCanBeRemoved)
{
    AutomationRegistry registry;
    registry.registerFactory(QStringLiteral("Test.Thing"), [] { return new QObject; });
    std::unique_ptr<QObject> thing(registry.create(QStringLiteral("test.thing")));
    EXPECT_NE(thing, nullptr);
    registry.registerFactory(QStringLiteral("Test.Nothing"), [] { return nullptr; });
    EXPECT_EQ(raised([&] { registry.create(QStringLiteral("Test.Nothing")); }).number, 429);
    registry.unregisterFactory(QStringLiteral("TEST.THING"));
    EXPECT_EQ(raised([&] { registry.create(QStringLiteral("Test.Thing")); }).number, 429);
}

// What the bridges rely on: default members and enumerators by class info.
TEST(AutomationRegistry, ObjectsDeclareTheirDefaultMembers)
{
    std::unique_ptr<QObject> recordset(AutomationRegistry::instance().create(QStringLiteral("ADODB.Recordset")));
    const QMetaObject *meta = recordset->metaObject();
    const int info = meta->indexOfClassInfo("DefaultMember");
    ASSERT_GE(info, 0);
    EXPECT_STREQ(meta->classInfo(info).value(), "Fields");
    EXPECT_GE(meta->indexOfProperty("EOF"), 0);
    EXPECT_GE(meta->indexOfProperty("BOF"), 0);
}

} // namespace
