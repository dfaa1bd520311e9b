#pragma once

#include <QList>
#include <QString>
#include <functional>

class ImageList;
class QAction;
class QMenu;
class QPoint;
class QToolBar;
class QWidget;

// The job tool bar `ssToolBarJob`: its tools (design caption, id and
// picture from the image list `imgToolbar`), the band "ToolBarJob"
// (General Properties, Schedule Properties, Documentation, Evaluate) and the
// popup "ID_Popup" (Cut, Copy, Paste, Colorize, CheckSyntax, then, added to
// the designed menu, Undo, Redo, Select All and Find) that a right click on
// a script pane opens. ID_Replace and ID_GoToLine are tools of no band, for
// a host's menus. Each tool shows its key in its tip and in the popup. Every tool and popup entry hands its id to
// `click`; so do the keys F7 (ID_CheckSyntax), F5 (ID_Evaluate) and
// Ctrl+Shift+C (ID_Colorize) anywhere in the editor.
class JobToolBar
{
public:
    void setupUi(QWidget *editor, const std::function<void(const QString &id)> &click);

    int height() const;
    // Each tool shows the picture the image list keeps under its id.
    void showPictures();
    // The tools (named by their ids), in the order of their design table.
    QList<QAction *> tools() const;
    void showPopup(const QPoint &globalPos);

    QToolBar *ssToolBarJob = nullptr;
    ImageList *imgToolbar = nullptr;
    QMenu *popupMenu = nullptr;   // the tool "ID_Popup"
};
