#pragma once

// What the dialog tests share: controls found by name, a dialog shown through
// the modal seam, a skin that gives the colours asked of it, an SQLite file.
#include "reportcapture.h"
#include "testsupport.h"

#include "host/skin.h"
#include "hostkit/referenceobjects.h"
#include "platform/ui/modal.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>
#include <functional>

template <class T = QWidget>
T *named(const QObject &parent, const QString &name)
{
    T *found = parent.findChild<T *>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
}

inline void click(const QObject &parent, const char *button)
{
    QTest::mouseClick(named<QAbstractButton>(parent, button), Qt::LeftButton);
}

// What a control shows ("" is the caption, "tip:x" the tool tip of x): its
// text, plain text or current text.
inline QString shownText(const QWidget &dialog, const QString &name)
{
    if (name.isEmpty())
        return dialog.windowTitle();
    if (name.startsWith(u"tip:"))
        return named(dialog, name.mid(4))->toolTip();
    const QObject *control = named<QObject>(dialog, name);
    for (const char *property : {"text", "plainText", "currentText"})
        if (control && control->property(property).isValid())
            return control->property(property).toString();
    return {};
}

// The boxes shown, each as "title|style|prompt".
inline QStringList boxes(const ReportCapture &capture)
{
    QStringList shown;
    for (const ReportCapture::Box &box : capture.boxes)
        shown << QString("%1|%2|%3").arg(box.title).arg(box.style).arg(box.prompt);
    return shown;
}

// Shows `dialog` through the modal seam and runs `drive` while it is open.
// Returns its result, or -1 when `drive` left it open (it is hidden then).
inline int runModal(QDialog &dialog, const std::function<void(QDialog &)> &drive)
{
    ui::ScopedModalHandler modal([&](QDialog &shown) {
        shown.show();
        drive(shown);
        const int result = shown.isVisible() ? -1 : shown.result();
        shown.hide();
        return result;
    });
    return ui::showModal(dialog);
}

// A dialog of type D reading the shipped data in `language`, its message boxes captured.
template <class D>
struct Tested
{
    explicit Tested(const char *language = "en")
    {
        static const bool installed = (hostkit::installReferenceObjects(), true);
        (void)installed;
        dialog.gPathData = sourcePath("data");
        dialog.gInterfaceLanguage = language;
    }
    int run(const std::function<void(QDialog &)> &drive) { return runModal(dialog, drive); }
    ReportCapture capture;
    D dialog;
};

// A skin giving each colour as set; -1 gives none, Missing lacks the member.
constexpr long Missing = -1000;
struct SkinColours
{
    long font = -1, form = -1, toolbar = -1, toolbarFont = -1, tab = -1, button = -1;
};
struct TestSkin : host::Skin
{
    explicit TestSkin(const SkinColours &colours) : c(colours) {}
    long GetColorFont() const override { return c.font == Missing ? Skin::GetColorFont() : c.font; }
    long GetFormBackColor() const override { return c.form == Missing ? Skin::GetFormBackColor() : c.form; }
    long GetToolbarBackColor() const override { return c.toolbar; }
    long GetToolbarColorFont() const override { return c.toolbarFont; }
    long GetTabBackColor() const override { return c.tab == Missing ? Skin::GetTabBackColor() : c.tab; }
    long GetButtonBackColor() const override { return c.button; }
    SkinColours c;
};

// An SQLite database file with one table, in `dir`.
inline QString sqliteFile(const QTemporaryDir &dir)
{
    const QString path = dir.filePath("sensor.db");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "dialog-test");
        db.setDatabaseName(path);
        db.open();
        QSqlQuery(db).exec("CREATE TABLE t (v INTEGER)");
    }
    QSqlDatabase::removeDatabase("dialog-test");
    return path;
}
