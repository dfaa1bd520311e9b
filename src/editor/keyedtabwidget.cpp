#include "keyedtabwidget.h"

#include "platform/ui/twips.h"

#include <QStyle>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

KeyedTabWidget::KeyedTabWidget(QPoint designPageOrigin, QWidget *parent)
    : QTabWidget(parent), m_designPageOrigin(designPageOrigin)
{
    // Our connection is made before QTabWidget connects its own, so the
    // signal reaches the handlers before the page is switched.
    auto *bar = new QTabBar(this);
    connect(bar, &QTabBar::currentChanged, this, [this](int index) {
        const QString key = tabKey(index);
        emit beforeTabClick(key.isEmpty() ? m_addingKey : key);
    });
    setTabBar(bar);
}

int KeyedTabWidget::addKeyedTab(QWidget *page, const QString &key, const QString &caption)
{
    m_addingKey = key;
    const int index = addTab(page, caption);
    tabBar()->setTabData(index, key);
    m_addingKey.clear();
    return index;
}

QString KeyedTabWidget::tabKey(int index) const
{
    if (index < 0 || index >= tabBar()->count())
        return {};
    return tabBar()->tabData(index).toString();
}

int KeyedTabWidget::indexOfKey(const QString &key) const
{
    for (int i = 0; i < tabBar()->count(); ++i)
        if (tabKey(i) == key)
            return i;
    return -1;
}

QString KeyedTabWidget::selectedKey() const
{
    return tabKey(currentIndex());
}

void KeyedTabWidget::selectKey(const QString &key)
{
    const int index = indexOfKey(key);
    if (index >= 0)
        setCurrentIndex(index);
}

QRect KeyedTabWidget::pageArea() const
{
    QStyleOptionTabWidgetFrame option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_TabWidgetTabContents, &option, this);
}

QSize KeyedTabWidget::reportedSize() const
{
    const QRect area = pageArea();
    return {ui::pixelsToTwips(area.width()), ui::pixelsToTwips(area.height())};
}

QPoint KeyedTabWidget::designToWidget(int leftTwips, int topTwips) const
{
    const QPoint origin = pageArea().topLeft();
    return origin + QPoint(ui::twipsToPixels(leftTwips - m_designPageOrigin.x()),
                           ui::twipsToPixels(topTwips - m_designPageOrigin.y()));
}
