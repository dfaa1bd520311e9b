// Numbers typed in the numeric boxes under a "." and a "," locale: stored as
// typed, shown in the locale's form without an exponent, and a box that holds
// no number named by validation.
#include "editorhost.h"

#include <QLocale>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Runs a test under another regional setting and puts the old one back.
struct LocaleGuard
{
    explicit LocaleGuard(const char *name) { QLocale::setDefault(QLocale(QLatin1String(name))); }
    ~LocaleGuard() { QLocale::setDefault(saved); }
    QLocale saved;
};

// Types `text` into a box as a user does, then leaves it with Return.
void typeInto(NumericBox *box, const char *text)
{
    box->clear();
    QTest::keyClicks(box, QLatin1String(text));
    QTest::keyClick(box, Qt::Key_Return);
}

struct TypedCase
{
    const char *locale;
    const char *typed;
    double stored;
    const char *shown;
};

class TypedReference : public ::testing::TestWithParam<TypedCase>
{
};

TEST_P(TypedReference, IsStoredAndShownInTheLocalesForm)
{
    const TypedCase &c = GetParam();
    LocaleGuard locale(c.locale);
    EditorHost host;
    host.openExample(QStringLiteral("existing-job.xml"));
    typeInto(host.controls.pvWarningRef, c.typed);
    EXPECT_EQ(host.controls.pvWarningRef->text(), QString::fromUtf8(c.shown));

    ASSERT_TRUE(host.editor->Engine_Validate());
    EXPECT_TRUE(host.capture.boxes.isEmpty());
    EXPECT_EQ(host.returnedJob().sensor.GetEvalData(LevelWarning).GetReferenceValue(), c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    Locales, TypedReference,
    ::testing::Values(TypedCase{"es_ES", "12,5", 12.5, "12,5"}, TypedCase{"es_ES", "12.5", 12.5, "12,5"},
                      TypedCase{"en_US", "12,5", 12.5, "12.5"}, TypedCase{"en_US", "12.5", 12.5, "12.5"},
                      TypedCase{"en_US", "1,25e+02", 125, "125"}, TypedCase{"es_ES", "-0,00001", -0.00001, "-0,00001"},
                      TypedCase{"en_US", "1x2a.5", 12.5, "12.5"}, TypedCase{"es_ES", "1.2.3", 1.23, "1,23"}),
    [](const auto &info) {
        std::string name = std::string(info.param.locale) + "_" + std::to_string(info.index);
        return name;
    });

TEST(PersistenceQuantity, TakesWholeNumbersOnly)
{
    LocaleGuard locale("es_ES");
    EditorHost host;
    host.openExample(QStringLiteral("existing-job.xml"));
    typeInto(host.controls.pvDataPersistence, "2,5");
    EXPECT_EQ(host.controls.pvDataPersistence->text(), QStringLiteral("25"));
    ASSERT_TRUE(host.editor->Engine_Validate());
    EXPECT_EQ(host.returnedJob().sensor.GetPersistenceQuantity(), 25);
}

struct IncompleteCase
{
    const char *box;
    const char *typed;
    const char *message;
};

class IncompleteNumber : public ::testing::TestWithParam<IncompleteCase>
{
};

TEST_P(IncompleteNumber, IsRefusedNamingItsField)
{
    const IncompleteCase &c = GetParam();
    LocaleGuard locale("en_US");
    EditorHost host;
    host.openExample(QStringLiteral("existing-job.xml"));
    auto *box = host.find<NumericBox>(QLatin1String(c.box));
    typeInto(box, c.typed);

    EXPECT_FALSE(host.editor->Engine_Validate());
    ASSERT_EQ(host.capture.boxes.size(), 1);
    EXPECT_EQ(host.capture.boxes[0].prompt, QString::fromUtf8(c.message));
    EXPECT_TRUE(host.capture.recorderCalls.isEmpty()) << "a refusal, not an error";
}

INSTANTIATE_TEST_SUITE_P(
    Fields, IncompleteNumber,
    ::testing::Values(IncompleteCase{"pvGoodRef", "-", "Reference Value (Good Value): \"-\" is not a valid number."},
                      IncompleteCase{"pvDangerRef", "4e", "Reference Value (Danger Value): \"4e\" is not a valid number."},
                      IncompleteCase{"pvDataPersistence", "", "Data Persistence: \"\" is not a valid number."}),
    [](const auto &info) { return std::string(info.param.box); });

} // namespace
