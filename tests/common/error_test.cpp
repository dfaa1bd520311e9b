#include "errorcore/error.h"
#include "common/showerror.h"
#include "reportcapture.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

struct StandardRow
{
    long number;
    const char *description;
};

class StandardDescriptions : public ::testing::TestWithParam<StandardRow> {};

TEST_P(StandardDescriptions, FromNumberFillsTheDescription)
{
    const Error error = Error::fromNumber(GetParam().number);
    EXPECT_EQ(error.number, GetParam().number);
    EXPECT_EQ(error.description, QString::fromUtf8(GetParam().description));
    EXPECT_TRUE(error.source.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Error, StandardDescriptions,
    ::testing::Values(StandardRow{5, "Invalid procedure call or argument"},
                      StandardRow{6, "Overflow"},
                      StandardRow{9, "Subscript out of range"},
                      StandardRow{11, "Division by zero"},
                      StandardRow{13, "Type mismatch"},
                      StandardRow{91, "Object variable or With block variable not set"},
                      StandardRow{424, "Object required"},
                      StandardRow{438, "Object doesn't support this property or method"},
                      StandardRow{12345, "Application-defined or object-defined error"}));

TEST(ErrorPassing, AppendsTagsInnermostFirstAndKeepsTheRest)
{
    try {
        passing(" frmJob.Copy() ", [] {
            passing(" cJob.GetType() ", [] {
                throw Error(91, QStringLiteral("gone"), QStringLiteral("XmlNode"), QStringLiteral("help.chm"), 42);
            });
        });
        FAIL() << "no error left the passing procedures";
    } catch (const Error &e) {
        EXPECT_EQ(e.number, 91);
        EXPECT_EQ(e.description, QStringLiteral("gone"));
        EXPECT_EQ(e.source, QStringLiteral("XmlNode cJob.GetType()  frmJob.Copy() "));
        EXPECT_EQ(e.helpFile, QStringLiteral("help.chm"));
        EXPECT_EQ(e.helpContext, 42);
    }
}

TEST(ErrorPassing, ReturnsTheBodysValue)
{
    EXPECT_EQ(passing(" x.y() ", [] { return 7; }), 7);
}

TEST(ErrorPassing, TurnsForeignExceptionsIntoErrors)
{
    try {
        passing(" cSensor.Create() ", [] { throw std::runtime_error("disk on fire"); });
        FAIL();
    } catch (const Error &e) {
        EXPECT_EQ(e.number, 51);
        EXPECT_TRUE(e.description.contains(QStringLiteral("disk on fire")));
        EXPECT_EQ(e.source, QStringLiteral(" cSensor.Create() "));
    }
    try {
        passing(" a.b() ", [] { throw std::bad_alloc(); });
        FAIL();
    } catch (const Error &e) {
        EXPECT_EQ(e.number, 7);
    }
}

TEST(ErrorReporting, ShowsOneBoxWithTheTrailAndSwallowsTheError)
{
    ReportCapture capture;
    const bool completed = reporting(" frmJob.Copy() ", QString(), [] {
        passing(" cJob.GetType() ", [] { throw Error::fromNumber(91); });
    });
    EXPECT_FALSE(completed);
    ASSERT_EQ(capture.boxes.size(), 1);
    EXPECT_EQ(capture.boxes[0].title, QStringLiteral("Veltrano"));
    EXPECT_EQ(capture.boxes[0].style, 16);
    EXPECT_EQ(capture.boxes[0].prompt,
              QStringLiteral("Error: 91\rDescription: Object variable or With block variable not set\r"
                             "Source:  cJob.GetType()  frmJob.Copy() "));
}

TEST(ErrorReporting, CompletedBodyReportsNothing)
{
    ReportCapture capture;
    EXPECT_TRUE(reporting(" frmJob.Copy() ", QString(), [] {}));
    EXPECT_TRUE(capture.order.isEmpty());
}

TEST(ErrorReporting, WithoutMessageOnlyRecords)
{
    ReportCapture capture;
    reporting(" UCScript.Engine_InitControl() ", QString(), [] { throw Error::fromNumber(438); }, false);
    EXPECT_EQ(capture.order, QStringList({"record0", "record1"}));
}

} // namespace
