#include "jobtoolbar.h"

#include "imagelist.h"

#include "platform/ui/controltext.h"
#include "platform/ui/placement.h"

#include <QAction>
#include <QHash>
#include <QMenu>
#include <QShortcut>
#include <QToolBar>

namespace {

// The tools: design caption, id, picture, and the key that does the same
// (the editor's own or the pane's: the tool only shows it).
struct ToolDef
{
    const char *caption;
    const char *id;
    const char *picture;
    QKeySequence::StandardKey standardKeys = QKeySequence::UnknownKey;
    int keys = 0;   // when there are no standard keys
    QKeySequence sequence() const
    {
        return standardKeys != QKeySequence::UnknownKey ? QKeySequence(standardKeys) : QKeySequence(keys);
    }
};

constexpr ToolDef jobTools[] = {
    {"General Properties", "ID_GeneralProperties", "properties"},
    {"Schedule Properties", "ID_ScheduleProperties", "schedule"},
    {"Description", "ID_LabelDescription", "description"},
    {"Description", "ID_Description", "description"},
    {"Documentation", "ID_Documentation", "documentation"},
    {"Evaluate", "ID_Evaluate", "evaluate", QKeySequence::UnknownKey, Qt::Key_F5},
    {"Copy", "ID_Copy", "copy", QKeySequence::Copy},
    {"Cut", "ID_Cut", "cut", QKeySequence::Cut},
    {"Paste", "ID_Paste", "paste", QKeySequence::Paste},
    {"Popup", "ID_Popup", nullptr},
    {"Colorize", "ID_Colorize", "colorize", QKeySequence::UnknownKey, (Qt::CTRL | Qt::SHIFT | Qt::Key_C).toCombined()},
    {"CheckSyntax", "ID_CheckSyntax", "checksyntax", QKeySequence::UnknownKey, Qt::Key_F7},
    // The pane's own commands, for the popup and for a host's menus.
    {"Undo", "ID_Undo", nullptr, QKeySequence::Undo},
    {"Redo", "ID_Redo", nullptr, QKeySequence::UnknownKey, (Qt::CTRL | Qt::Key_Y).toCombined()},
    {"Select All", "ID_SelectAll", nullptr, QKeySequence::SelectAll},
    {"Find", "ID_Find", nullptr, QKeySequence::UnknownKey, (Qt::CTRL | Qt::Key_F).toCombined()},
    {"Replace", "ID_Replace", nullptr, QKeySequence::UnknownKey, (Qt::CTRL | Qt::Key_H).toCombined()},
    {"Go to Line", "ID_GoToLine", nullptr, QKeySequence::UnknownKey, (Qt::CTRL | Qt::Key_G).toCombined()},
};

// Where the tools show, in order; null is a separator.
constexpr const char *band[] = {"ID_GeneralProperties", "ID_ScheduleProperties", "ID_Documentation", nullptr,
                                "ID_Evaluate"};
constexpr const char *popup[] = {"ID_Cut",  "ID_Copy", "ID_Paste",     nullptr,  "ID_Colorize", "ID_CheckSyntax",
                                 nullptr,   "ID_Undo", "ID_Redo",      "ID_SelectAll", "ID_Find"};

template <class Holder, std::size_t N>
void addTools(Holder *holder, const char *const (&ids)[N], const QHash<QString, QAction *> &tools)
{
    for (const char *id : ids) {
        if (id)
            holder->addAction(tools.value(QLatin1String(id)));
        else
            holder->addSeparator();
    }
}

} // namespace

void JobToolBar::setupUi(QWidget *editor, const std::function<void(const QString &id)> &click)
{
    imgToolbar = new ImageList(editor);
    imgToolbar->setObjectName(QStringLiteral("imgToolbar"));
    for (const ToolDef &tool : jobTools)
        if (tool.picture)
            imgToolbar->add(QLatin1String(tool.id), QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(tool.picture))));

    ssToolBarJob = ui::toolBar(editor, "ssToolBarJob");

    popupMenu = new QMenu(editor);
    popupMenu->setObjectName(QStringLiteral("ID_Popup"));

    QHash<QString, QAction *> tools;
    for (const ToolDef &def : jobTools) {
        auto *tool = new QAction(QLatin1String(def.caption), ssToolBarJob);
        const QString id = QLatin1String(def.id);
        tool->setObjectName(id);
        tool->setData(QStringLiteral("General"));   // the tool's category
        // Shown in the popup and the tool tip; the key itself is handled by
        // the editor or the pane, so the tool's shortcut never fires.
        tool->setShortcut(def.sequence());
        tool->setShortcutContext(Qt::WidgetShortcut);
        ui::setControlText(*tool, tool->text());
        QObject::connect(tool, &QAction::triggered, editor, [click, id] { click(id); });
        tools.insert(id, tool);
    }
    tools.value(QStringLiteral("ID_Popup"))->setMenu(popupMenu);
    addTools(ssToolBarJob, band, tools);
    addTools(popupMenu, popup, tools);
    ssToolBarJob->setGeometry(0, 0, ui::twipsToPixels(8850), ssToolBarJob->sizeHint().height());

    for (const auto &[keys, id] : {std::pair{QKeySequence(Qt::Key_F7), "ID_CheckSyntax"},
                                   std::pair{QKeySequence(Qt::Key_F5), "ID_Evaluate"},
                                   std::pair{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), "ID_Colorize"}}) {
        auto *shortcut = new QShortcut(keys, editor);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        QObject::connect(shortcut, &QShortcut::activated, editor, [click, id = QLatin1String(id)] { click(id); });
    }
}

int JobToolBar::height() const
{
    return ssToolBarJob ? ssToolBarJob->sizeHint().height() : 0;
}

void JobToolBar::showPictures()
{
    for (QAction *tool : tools())
        if (imgToolbar->contains(tool->objectName()))
            tool->setIcon(imgToolbar->picture(tool->objectName()));
}

QList<QAction *> JobToolBar::tools() const
{
    QList<QAction *> named;
    for (QAction *tool : ssToolBarJob->findChildren<QAction *>(Qt::FindDirectChildrenOnly))
        if (tool->objectName().startsWith(QLatin1String("ID_")))
            named << tool;
    return named;
}

void JobToolBar::showPopup(const QPoint &globalPos)
{
    popupMenu->popup(globalPos);
}
