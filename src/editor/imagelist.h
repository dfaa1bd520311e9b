#pragma once

#include <QHash>
#include <QIcon>
#include <QObject>
#include <QString>

// An image list: pictures kept under keys (the tool bar's tool ids).
class ImageList : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    void add(const QString &key, const QIcon &picture) { m_pictures.insert(key, picture); }
    bool contains(const QString &key) const { return m_pictures.contains(key); }
    // The picture under `key`; raises 35601 "Element not found" for a key
    // that is not in the list.
    QIcon picture(const QString &key) const;

private:
    QHash<QString, QIcon> m_pictures;
};
