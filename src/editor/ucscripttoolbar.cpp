// The job tool bar: routing of its tools and popup entries, and the host's
// editors of the job's properties, schedule and documentation.
#include "ucscript.h"

#include "keyedtabwidget.h"

#include "errorcore/error.h"
#include "common/showerror.h"
#include "host/jobsectioneditor.h"
#include "host/registry.h"

#include <QKeySequence>
#include <QShortcut>

void UCScript::ssToolBarJob_ToolClick(const QString &pId)
{
    reporting(" frmJob.ssToolBarJob_ToolClick() ", applicationTitle(), [&] {
        if (pId == QLatin1String("ID_GeneralProperties")) {
            EditProperties();
        } else if (pId == QLatin1String("ID_ScheduleProperties")) {
            EditSchedule();
        } else if (pId == QLatin1String("ID_Documentation")) {
            EditDocumentation();
        } else if (pId == QLatin1String("ID_Evaluate")) {
            EvaluateScripts();
        } else {
            // The pane commands act on the pane of the page on view.
            const struct {
                const char *id;
                void (UCScript::*operation)(bool);
            } paneCommands[] = {
                {"ID_Copy", &UCScript::Copy},
                {"ID_Cut", &UCScript::Cut},
                {"ID_Paste", &UCScript::Paste},
                {"ID_CheckSyntax", &UCScript::CheckSyntax},
            };
            const bool general = ssTabDatos->selectedKey() == QLatin1String("General");
            for (const auto &command : paneCommands) {
                if (pId == QLatin1String(command.id)) {
                    bool flag = general;
                    (this->*command.operation)(flag);
                    return;
                }
            }
            if (pId == QLatin1String("ID_Colorize")) {
                bool flag = general;
                ColorizeCode(flag, general ? evalLevelKey(LevelDanger) : ssTabValues->selectedKey());
            }
        }
    });
}

void UCScript::ConnectShortcuts()
{
    const auto tool = [this](QKeySequence keys, const char *id) {
        auto *shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this,
                [this, id] { ssToolBarJob_ToolClick(QLatin1String(id)); });
    };
    tool(QKeySequence(Qt::Key_F7), "ID_CheckSyntax");
    tool(QKeySequence(Qt::Key_F5), "ID_Evaluate");
    tool(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), "ID_Colorize");

    const auto page = [this](QKeySequence keys, int step) {
        auto *shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, step] {
            const int count = ssTabDatos->count();
            if (count > 0)
                ssTabDatos->setCurrentIndex((ssTabDatos->currentIndex() + step + count) % count);
        });
    };
    page(QKeySequence(Qt::CTRL | Qt::Key_Tab), 1);
    page(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1);
    page(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1);
}

void UCScript::EditSection(XmlNode section, const SectionEdit &edit,
                           const std::function<void(XmlNode &)> &store)
{
    const XmlNode copy = section.cloneNode(true);
    QString text = copy.xml();
    if (!edit(text))
        return;
    // The load result is not tested: text that is not well-formed leaves a
    // document without an element, and copying that raises 91.
    const XmlNode document = XmlNode::parse(text, nullptr);
    XmlNode element = document.isNull() ? XmlNode() : document.documentElement();
    if (element.isNull())
        throw Error::fromNumber(91);
    store(element);
    NotifyChange();
}

void UCScript::EditProperties()
{
    passing(" frmJob.EditProperties() ", [&] {
        const std::unique_ptr<host::JobSectionEditor> editor = host::jobSectionEditors().create();
        EditSection(
            gJob.GetProperties(),
            [&](QString &text) {
                long mode = 0;
                return editor->ShowPropertiesEditor(text, mode);
            },
            [&](XmlNode &element) {
                XmlNode forJob = element.cloneNode(true);
                gJob.SetProperties(forJob);
                gSensor.SetProperties(element.cloneNode(true));
                rtfDescription->setPlainText(gJob.GetDefaultDescription());
            });
    });
}

void UCScript::EditSchedule()
{
    passing(" frmJob.EditSchedule() ", [&] {
        const std::unique_ptr<host::JobSectionEditor> editor = host::jobSectionEditors().create();
        EditSection(
            gJob.GetSchedule(), [&](QString &text) { return editor->ShowScheduleEditor(text); },
            [&](XmlNode &element) {
                XmlNode copy = element.cloneNode(true);
                gJob.SetSchedule(copy);
            });
    });
}

void UCScript::EditDocumentation()
{
    passing(" frmJob.EditDocumentation() ", [&] {
        const std::unique_ptr<host::JobSectionEditor> editor = host::jobSectionEditors().create();
        EditSection(
            gJob.GetDocumentation(), [&](QString &text) { return editor->ShowDocumentationEditor(text); },
            [&](XmlNode &element) { gJob.SetDocumentation(element.cloneNode(true)); });
    });
}
