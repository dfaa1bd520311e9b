// The job tool bar through the editor: the host's section editors write an
// accepted edit back, and the popup entries act on the page on view.
#include "editorhost.h"

#include "platform/ui/modal.h"

#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

struct SectionCase
{
    const char *tool;
    const char *edited;                 // the section the user leaves in the host's editor
    std::vector<const char *> written;  // paths in the saved job that must hold "edited"
};

class HostEditor : public ::testing::TestWithParam<SectionCase>
{
protected:
    // Opens the existing job and clicks the tool; the host's editor gets
    // `edited` and is closed with OK (accept) or Cancel.
    QString run(bool accept)
    {
        host.openExample(QStringLiteral("existing-job.xml"));
        before = host.editor->Engine_GetData();
        ui::ScopedModalHandler modal([&](QDialog &dialog) {
            dialog.show();
            dialog.findChild<QPlainTextEdit *>(QStringLiteral("txtSection"))
                ->setPlainText(QLatin1String(GetParam().edited));
            auto *buttons = dialog.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
            buttons->button(accept ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
            return dialog.result();
        });
        host.find<QAction>(QLatin1String(GetParam().tool))->trigger();
        return host.editor->Engine_GetData();
    }
    EditorHost host;
    QString before;
};

TEST_P(HostEditor, AnAcceptedEditIsWrittenBackWithOneNotification)
{
    const XmlNode job = XmlNode::parse(run(true)).documentElement();
    EXPECT_TRUE(host.capture.boxes.isEmpty());
    EXPECT_EQ(host.notifier.count(), 1);
    for (const char *path : GetParam().written)
        EXPECT_EQ(job.selectSingleNode(QLatin1String(path)).text(), QStringLiteral("edited")) << path;
}

TEST_P(HostEditor, ACancelledEditChangesNothing)
{
    EXPECT_EQ(run(false), before);
    EXPECT_EQ(host.notifier.count(), 0);
    EXPECT_TRUE(host.capture.boxes.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Sections, HostEditor,
    ::testing::Values(
        SectionCase{"ID_GeneralProperties",
                    "<Properties><Name>edited</Name><Description><Languages><Language><Id>en</Id>"
                    "<Default>1</Default><Description>Edited text</Description></Language></Languages>"
                    "</Description><Group>G</Group></Properties>",
                    {"Definition/Properties/Name", "FreeDefinition/Sensor/Properties/Name"}},
        SectionCase{"ID_ScheduleProperties", "<Schedule><Interval>edited</Interval></Schedule>",
                    {"Schedule/Interval"}},
        SectionCase{"ID_Documentation", "<Documentation><Text>edited</Text></Documentation>",
                    {"Documentation/Text"}}),
    [](const auto &info) { return std::string(info.param.tool).substr(3); });

TEST(HostEditorProperties, AnAcceptedEditRefreshesTheDescription)
{
    EditorHost host;
    host.openExample(QStringLiteral("existing-job.xml"));
    ui::ScopedModalHandler modal([&](QDialog &dialog) {
        dialog.findChild<QPlainTextEdit *>(QStringLiteral("txtSection"))
            ->setPlainText(QStringLiteral("<Properties><Description><Languages><Language><Id>en</Id>"
                                          "<Default>1</Default><Description>Edited text</Description>"
                                          "</Language></Languages></Description></Properties>"));
        dialog.accept();
        return dialog.result();
    });
    host.find<QAction>(QStringLiteral("ID_GeneralProperties"))->trigger();
    EXPECT_EQ(host.find<QTextEdit>(QStringLiteral("rtfDescription"))->toPlainText(), QStringLiteral("Edited text"));
}

// A popup entry acts on the general pane while the General page is on view,
// and on the selected level's pane otherwise.
struct PopupCase
{
    const char *id;
    // What the entry did to the pane it acted on ("text" after it, or the
    // clipboard, or the message it showed).
    std::function<QString(EditorHost &, ScriptPane *)> effect;
    const char *expected;
};

class Popup : public ::testing::TestWithParam<PopupCase>
{
};

TEST_P(Popup, ActsOnThePaneOfThePageOnView)
{
    for (const bool general : {true, false}) {
        EditorHost host;
        host.openExample(QStringLiteral("existing-job.xml"));
        ScriptPane *target = host.pane(general ? QStringLiteral("rtfScript") : QStringLiteral("rtfScriptWarning"));
        for (const char *name : {"rtfScript", "rtfScriptDanger", "rtfScriptWarning", "rtfScriptGood"}) {
            ScriptPane *pane = host.pane(QLatin1String(name));
            pane->setPlainText(pane == target ? QStringLiteral("Function Main(\r\n") : QStringLiteral("other"));
            pane->selectAll();
        }
        host.find<KeyedTabWidget>(QStringLiteral("ssTabValues"))->selectKey(QStringLiteral("Warning"));
        host.find<KeyedTabWidget>(QStringLiteral("ssTabDatos"))
            ->selectKey(general ? QStringLiteral("General") : QStringLiteral("EvaluationData"));
        QGuiApplication::clipboard()->setText(QStringLiteral("pasted"));
        host.find<QAction>(QLatin1String(GetParam().id))->trigger();
        EXPECT_EQ(GetParam().effect(host, target), QLatin1String(GetParam().expected))
            << (general ? "General page" : "Evaluation page");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Entries, Popup,
    ::testing::Values(
        PopupCase{"ID_Copy", [](EditorHost &, ScriptPane *) { return QGuiApplication::clipboard()->text(); },
                  "Function Main(\n"},
        PopupCase{"ID_Cut", [](EditorHost &, ScriptPane *pane) { return pane->toPlainText(); }, ""},
        PopupCase{"ID_Paste", [](EditorHost &, ScriptPane *pane) { return pane->toPlainText(); }, "pasted"},
        PopupCase{"ID_Colorize",
                  [](EditorHost &, ScriptPane *pane) {
                      return QString::number(pane->colourAt(0) == colorizer::TokenClass::Keyword);
                  },
                  "1"},
        PopupCase{"ID_CheckSyntax",
                  [](EditorHost &host, ScriptPane *) {
                      return QString::number(host.capture.boxes.size() == 1 &&
                                             host.capture.boxes[0].prompt.startsWith(QLatin1String("Code Error.")));
                  },
                  "1"}),
    [](const auto &info) { return std::string(info.param.id).substr(3); });

} // namespace
