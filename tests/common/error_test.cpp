#include "errorcore/error.h"
#include "common/showerror.h"
#include "expecterror.h"
#include "reportcapture.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

TEST(Error, FromNumberOfAnUnknownNumber)
{
    const Error unknown = Error::fromNumber(12345);
    EXPECT_EQ(unknown.number, 12345);
    EXPECT_EQ(unknown.description, QStringLiteral("Application-defined or object-defined error"));
    EXPECT_TRUE(unknown.source.isEmpty());
}

TEST(ErrorPassing, AppendsTagsInnermostFirstAndKeepsTheRest)
{
    EXPECT_EQ(passing(" x.y() ", [] { return 7; }), 7);
    const Error e = raisedBy([] {
        passing(" frmJob.Copy() ", [] {
            passing(" cJob.GetType() ", [] {
                throw Error(91, QStringLiteral("gone"), QStringLiteral("XmlNode"), QStringLiteral("help.chm"), 42);
            });
        });
    });
    EXPECT_EQ(e.number, 91);
    EXPECT_EQ(e.description, QStringLiteral("gone"));
    EXPECT_EQ(e.source, QStringLiteral("XmlNode cJob.GetType()  frmJob.Copy() "));
    EXPECT_EQ(e.helpFile, QStringLiteral("help.chm"));
    EXPECT_EQ(e.helpContext, 42);

    const Error foreign =
        raisedBy([] { passing(" cSensor.Create() ", [] { throw std::runtime_error("disk on fire"); }); });
    EXPECT_EQ(foreign.number, 51);
    EXPECT_TRUE(foreign.description.contains(QStringLiteral("disk on fire")));
    EXPECT_EQ(foreign.source, QStringLiteral(" cSensor.Create() "));
    expectError(7, [] { passing(" a.b() ", [] { throw std::bad_alloc(); }); });
}

TEST(ErrorReporting, ShowsOneBoxWithTheTrailAndSwallowsTheError)
{
    ReportCapture capture;
    EXPECT_TRUE(reporting(" frmJob.Copy() ", QString(), [] {}));
    EXPECT_TRUE(capture.order.isEmpty());
    const bool completed = reporting(" frmJob.Copy() ", QString(), [] {
        passing(" cJob.GetType() ", [] { throw Error::fromNumber(91); });
    });
    EXPECT_FALSE(completed);
    EXPECT_EQ(capture.boxes[0].title, QStringLiteral("Veltrano"));
    EXPECT_EQ(capture.boxes[0].style, 16);
    EXPECT_EQ(capture.boxes[0].prompt,
              QStringLiteral("Error: 91\rDescription: Object variable or With block variable not set\r"
                             "Source:  cJob.GetType()  frmJob.Copy() "));
    // Without the message the error is only recorded, under the title given.
    reporting(" UCScript.Engine_InitControl() ", QStringLiteral("Events"), [] { throw Error::fromNumber(438); }, false);
    EXPECT_EQ(capture.order, QStringList({"record0", "record1", "box", "record0", "record1"}));
    EXPECT_EQ(capture.recorderCalls.last().title, QStringLiteral("Events"));
}

TEST(ShowError, RecordsTwiceThenShowsTheBox)
{
    ReportCapture capture;
    const Error error(13, QStringLiteral("Type mismatch"), QStringLiteral(" cEvalData.GetReferenceValue() "));
    QString title;

    ShowError(error.description, error.source + QStringLiteral(" UCScript.Validate() "), error,
              QStringLiteral("while storing"), title, true, QStringLiteral("job 17 (DISK-VAR)"));

    EXPECT_EQ(capture.order, QStringList({"record0", "record1", "box"}));
    for (const auto &call : capture.recorderCalls)
        EXPECT_EQ(QStringLiteral("%1|%2|%3|%4|%5|%6|%7|%8")
                      .arg(call.code)
                      .arg(call.description, call.title, call.source)
                      .arg(call.number)
                      .arg(call.logText)
                      .arg(call.sizeLimit, 0, 'f', 0)
                      .arg(call.extraText),
                  QStringLiteral("0|Type mismatch|Veltrano| cEvalData.GetReferenceValue()  UCScript.Validate() |13|"
                                 "job 17 (DISK-VAR)|1000000|while storing"));
    EXPECT_EQ(title, QStringLiteral("Veltrano")) << "the caller's title variable receives the default";
    EXPECT_EQ(capture.boxes[0].prompt,
              QStringLiteral("Error: 13\rDescription: Type mismatch\r"
                             "Source:  cEvalData.GetReferenceValue()  UCScript.Validate() "));
}

TEST(ShowError, MissingRecorderRaisesOutOfReportingBeforeAnyBox)
{
    ReportCapture capture;
    host::ScopedFactory<host::ErrorRecorder> none(host::errorRecorders(), nullptr);
    expectError(429, [] { reporting(" frmJob.Copy() ", QString(), [] { throw Error::fromNumber(91); }); });
    EXPECT_TRUE(capture.boxes.isEmpty());
}

} // namespace
