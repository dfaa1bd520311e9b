#include "errorcore/error.h"
#include "common/showerror.h"
#include "reportcapture.h"

#include <gtest/gtest.h>

namespace {

TEST(ShowError, RecordsTwiceThenShowsTheBox)
{
    ReportCapture capture;
    const Error error(13, QStringLiteral("Type mismatch"), QStringLiteral(" cEvalData.GetReferenceValue() "));
    QString title;

    ShowError(error.description, error.source + QStringLiteral(" UCScript.Validate() "), error,
              QStringLiteral("while storing"), title, true, QStringLiteral("job 17 (DISK-VAR)"));

    EXPECT_EQ(capture.order, QStringList({"record0", "record1", "box"}));
    ASSERT_EQ(capture.recorderCalls.size(), 2);
    for (const auto &call : capture.recorderCalls) {
        EXPECT_EQ(call.code, 0);
        EXPECT_EQ(call.description, QStringLiteral("Type mismatch"));
        EXPECT_EQ(call.title, QStringLiteral("Veltrano"));
        EXPECT_EQ(call.source, QStringLiteral(" cEvalData.GetReferenceValue()  UCScript.Validate() "));
        EXPECT_EQ(call.number, 13);
        EXPECT_EQ(call.logText, QStringLiteral("job 17 (DISK-VAR)"));
        EXPECT_EQ(call.sizeLimit, 1000000.0);
        EXPECT_EQ(call.extraText, QStringLiteral("while storing"));
    }
    EXPECT_EQ(capture.recorderCalls[0].flag, 0);
    EXPECT_EQ(capture.recorderCalls[1].flag, 1);
    EXPECT_EQ(title, QStringLiteral("Veltrano")) << "the caller's title variable receives the default";
    EXPECT_EQ(capture.boxes[0].prompt,
              QStringLiteral("Error: 13\rDescription: Type mismatch\r"
                             "Source:  cEvalData.GetReferenceValue()  UCScript.Validate() "));
}

TEST(ShowError, EmptyTitleAndVeltranoGiveTheSameBox)
{
    ReportCapture capture;
    const Error error = Error::fromNumber(9);
    QString emptyTitle, namedTitle = QStringLiteral("Veltrano");
    ShowError(error.description, QString(), error, QString(), emptyTitle, true);
    ShowError(error.description, QString(), error, QString(), namedTitle, true);
    ASSERT_EQ(capture.boxes.size(), 2);
    EXPECT_EQ(capture.boxes[0].prompt, capture.boxes[1].prompt);
    EXPECT_EQ(capture.boxes[0].title, capture.boxes[1].title);
    EXPECT_EQ(capture.boxes[0].prompt, QStringLiteral("Error: 9\rDescription: Subscript out of range\rSource: "));
}

TEST(ShowError, OtherTitleIsKept)
{
    ReportCapture capture;
    QString title = QStringLiteral("Events");
    ShowError(QString(), QString(), Error::fromNumber(5), QString(), title, true);
    EXPECT_EQ(capture.boxes[0].title, QStringLiteral("Events"));
    EXPECT_EQ(capture.boxes[0].prompt, QStringLiteral("Error: 5\rDescription: \rSource: "));
}

TEST(ShowError, NoMessageStillRecordsTwice)
{
    ReportCapture capture;
    QString title;
    ShowError(QStringLiteral("d"), QStringLiteral("s"), Error::fromNumber(5), QString(), title, false);
    EXPECT_EQ(capture.order, QStringList({"record0", "record1"}));
}

TEST(ShowError, MissingRecorderRaisesBeforeAnyBox)
{
    ReportCapture capture;
    host::ScopedFactory<host::ErrorRecorder> none(host::errorRecorders(), nullptr);
    QString title;
    try {
        ShowError(QStringLiteral("d"), QStringLiteral("s"), Error::fromNumber(5), QString(), title, true);
        FAIL() << "ShowError went on without a recorder";
    } catch (const Error &e) {
        EXPECT_EQ(e.number, 429);
    }
    EXPECT_TRUE(capture.boxes.isEmpty());
}

TEST(ShowError, FailingRecorderRaisesOutOfReporting)
{
    ReportCapture capture;
    struct Broken : host::ErrorRecorder
    {
        void record(long, const QString &, const QString &, const QString &, const Error &, long,
                    const QString &, double, long, long, const QString &, long) override
        {
            throw Error(70, QStringLiteral("Permission denied"));
        }
    };
    host::ScopedFactory<host::ErrorRecorder> broken(host::errorRecorders(),
                                                    [] { return std::make_unique<Broken>(); });
    EXPECT_THROW(reporting(" frmJob.Copy() ", QString(), [] { throw Error::fromNumber(91); }), Error);
    EXPECT_TRUE(capture.boxes.isEmpty());
}

} // namespace
