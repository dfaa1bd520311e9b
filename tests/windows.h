#pragma once

// Every window of the component as a user reaches it: the editor showing an
// example job, then each dialog opened from its buttons through the modal
// seam (the connection dialog from the Database Connection Wizard's).
#include "editor/editorhost.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <functional>

// What a user turns `stack`'s pages with: the list whose choice changes the
// page on view, else the stack itself.
inline QWidget *pageTurner(QStackedWidget &stack)
{
    for (QComboBox *list : stack.window()->findChildren<QComboBox *>()) {
        const int chosen = list->currentIndex(), page = stack.currentIndex();
        list->setCurrentIndex((chosen + 1) % qMax(1, list->count()));
        const bool turns = stack.currentIndex() != page;
        list->setCurrentIndex(chosen);
        if (turns && list->isVisible())
            return list;
    }
    return &stack;
}

// Runs `look` once for every combination of pages on view in `window`: each
// tab of its tab widgets, each page of its stacks, pages within pages too;
// each then shows the page it showed before.
inline void forEachPage(QWidget &window, const std::function<void()> &look, QList<QWidget *> walked = {})
{
    for (QWidget *pages : window.findChildren<QWidget *>()) {
        auto *stack = qobject_cast<QStackedWidget *>(pages);
        if (!(stack || qobject_cast<QTabWidget *>(pages)) || !pages->isVisible() || walked.contains(pages)
            || (stack && qobject_cast<QTabWidget *>(stack->parentWidget())))
            continue;
        QWidget *turner = stack ? pageTurner(*stack) : pages;   // each has currentIndex and count
        const QVariant shown = turner->property("currentIndex");
        for (int page = 0; page < turner->property("count").toInt(); ++page) {
            turner->setProperty("currentIndex", page);
            forEachPage(window, look, QList<QWidget *>(walked) << pages);
        }
        turner->setProperty("currentIndex", shown);
        return;
    }
    look();
}

// Runs `look` on the editor, then on each dialog while it is on screen, all
// with their texts from `dataFolder` in `language` and coloured by `skin`
// (by default the classic one).
inline void forEachWindow(const QString &dataFolder, const char *language,
                          const std::function<void(QWidget &)> &look, host::Skin *skin = nullptr)
{
    EditorHost host;
    host.editor->Engine_InitControl(&host.notifier, XmlNode::parse(QStringLiteral("<Languages/>")).documentElement(),
                                    skin ? skin : host.skin.get());
    host.editor->Engine_SetPathData(dataFolder);
    host.editor->Engine_SetData(exampleJob(QStringLiteral("existing-job.xml")));
    host.editor->Engine_ShowData();
    host.editor->Engine_ChangeInterfaceLanguage(QLatin1String(language));
    EXPECT_EQ(host.editor->interfaceLanguage(), language) << "the language asked for, with a file or not";
    host.editor->show();   // at its design size
    look(*host.editor);
    ui::ScopedModalHandler modal([&](QDialog &dialog) {
        dialog.show();
        look(dialog);
        if (auto *edit = dialog.findChild<QAbstractButton *>(QStringLiteral("cmdEditCnnString")))
            edit->click();
        dialog.hide();
        return 0;
    });
    host.controls.chkEvalData->setChecked(false);   // the result is the longest text: no evaluation
    host.find<QAction>(QStringLiteral("ID_Evaluate"))->trigger();
    for (const char *opener : {"cmdWizard", "cmdEvents", "cmdWizardValues"})
        host.find<QAbstractButton>(QLatin1String(opener))->click();
    EXPECT_TRUE(host.capture.boxes.isEmpty()) << host.capture.boxes.value(0).prompt.toStdString();
    EXPECT_TRUE(host.capture.recorderCalls.isEmpty()) << "nothing recorded as an error";
}

// Every text a window shows or keeps for showing, by where it shows
// ("name.property", "name.item3"; "" the title): of each named control its
// text, title, tool tip, items, tab titles and headings (not what boxes hold).
inline QMap<QString, QString> shownTexts(const QWidget &window)
{
    QMap<QString, QString> texts = {{QString(), window.windowTitle()}};
    for (const QObject *control : window.findChildren<QObject *>()) {
        const QString name = control->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) || control->inherits("QLineEdit"))
            continue;
        for (const char *property : {"text", "title", "toolTip", "currentText", "windowTitle"})
            if (const QVariant value = control->property(property); value.isValid() && !value.toString().isEmpty())
                texts[name + u'.' + QLatin1String(property)] = value.toString();
        const auto items = [&](int count, const std::function<QString(int)> &item) {
            for (int i = 0; i < count; ++i)
                texts[name + QStringLiteral(".item%1").arg(i)] = item(i);
        };
        if (const auto *list = qobject_cast<const QComboBox *>(control))
            items(list->count(), [&](int i) { return list->itemText(i); });
        if (const auto *tabs = qobject_cast<const QTabWidget *>(control))
            items(tabs->count(), [&](int i) { return tabs->tabText(i); });
        if (const auto *view = qobject_cast<const QAbstractItemView *>(control); view && view->model())
            items(view->model()->columnCount(),
                  [&](int i) { return view->model()->headerData(i, Qt::Horizontal).toString(); });
    }
    return texts;
}
