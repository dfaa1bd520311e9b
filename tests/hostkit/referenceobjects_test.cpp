#include "hostkit/callbacknotifier.h"
#include "host/colorizer.h"
#include "hostkit/documentjobdata.h"
#include "host/errorrecorder.h"
#include "hostkit/lnglanguagereader.h"
#include "hostkit/logerrorrecorder.h"
#include "hostkit/referenceobjects.h"
#include "host/registry.h"
#include "hostkit/xmlsectioneditor.h"
#include "script/colorizer/scriptcolorizer.h"

#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

// Empties every slot for the test and puts back what was there after it.
struct EmptySlots
{
    host::ScopedFactory<host::ErrorRecorder> recorders{host::errorRecorders(), nullptr};
    host::ScopedFactory<host::JobData> jobData{host::jobData(), nullptr};
    host::ScopedFactory<host::JobSectionEditor> editors{host::jobSectionEditors(), nullptr};
    host::ScopedFactory<host::LanguageReader> readers{host::languageReaders(), nullptr};
    host::ScopedFactory<host::Colorizer> colorizers{host::colorizers(), nullptr};
};

TEST(ReferenceObjects, InstallsAnObjectInEverySlot)
{
    EmptySlots empty;
    EXPECT_THROW(host::jobData().create(), Error);
    hostkit::installReferenceObjects();
    EXPECT_TRUE(dynamic_cast<hostkit::LogErrorRecorder *>(host::errorRecorders().create().get()));
    EXPECT_TRUE(dynamic_cast<hostkit::DocumentJobData *>(host::jobData().create().get()));
    EXPECT_TRUE(dynamic_cast<hostkit::XmlSectionEditor *>(host::jobSectionEditors().create().get()));
    EXPECT_TRUE(dynamic_cast<hostkit::LngLanguageReader *>(host::languageReaders().create().get()));
    const auto colorizer = host::colorizers().create();
    EXPECT_TRUE(dynamic_cast<colorizer::ScriptColorizer *>(colorizer.get()));
    // Rich text that shows the script's own characters.
    QTextDocument document;
    document.setHtml(colorizer->ParseCode(QStringLiteral("Function Main()\r\n\tMain=True\r\nEnd Function")));
    EXPECT_EQ(document.toPlainText(), QStringLiteral("Function Main()\n\tMain=True\nEnd Function"));
}

TEST(ReferenceObjects, EachCreateGivesANewObject)
{
    EmptySlots empty;
    hostkit::installReferenceObjects();
    const auto first = host::jobData().create();
    const auto second = host::jobData().create();
    EXPECT_NE(first.get(), second.get());
}

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
}

TEST(CallbackNotifier, AFailingCallbackReachesTheCaller)
{
    hostkit::CallbackNotifier notifier([] { throw Error::fromNumber(5); });
    EXPECT_THROW(notifier.NotifyChange(), Error);
    EXPECT_EQ(notifier.count(), 1);
}

} // namespace
