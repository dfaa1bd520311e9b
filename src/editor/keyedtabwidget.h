#pragma once

#include <QPoint>
#include <QSize>
#include <QString>
#include <QTabWidget>

// A tab control whose tabs carry keys ("General", "Danger", ...) besides their
// captions, which follow the interface language. beforeTabClick is emitted
// with the key of the tab that is about to come to view, before its page is
// shown (also when code selects the tab).
//
// The layout measures the control by its page area: reportedSize() is the
// size of the area the pages fill, in twips. Widgets laid over the pages
// (rather than on one page) are placed with designToWidget, which maps a
// design position given for a page origin at `designPageOrigin` twips onto
// the page origin this style really draws.
class KeyedTabWidget : public QTabWidget
{
    Q_OBJECT

public:
    explicit KeyedTabWidget(QPoint designPageOrigin, QWidget *parent = nullptr);

    // Appends a page under `caption` with `key`; returns its index.
    int addKeyedTab(QWidget *page, const QString &key, const QString &caption);

    // The key of tab `index`; empty for an index out of range.
    QString tabKey(int index) const;
    // The index of the tab with `key` (compared exactly), or -1.
    int indexOfKey(const QString &key) const;
    // The key of the selected tab; empty when there is none.
    QString selectedKey() const;
    // Selects the tab with `key`; an unknown key selects nothing.
    void selectKey(const QString &key);

    // Width and height of the page area in twips.
    QSize reportedSize() const;
    // Pixel position in this widget of a design position in twips.
    QPoint designToWidget(int leftTwips, int topTwips) const;

signals:
    void beforeTabClick(const QString &key);

private:
    QRect pageArea() const;

    QPoint m_designPageOrigin;
    QString m_addingKey;   // the key of a tab being added (its data is not set yet)
};
