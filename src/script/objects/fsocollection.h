#pragma once

#include <QObject>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

// Folder.Files or Folder.SubFolders: the entries of one folder as they were
// when the collection was made, sorted by name, hidden ones included.
class FsoCollection : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("DefaultMember", "Item")
    Q_CLASSINFO("Enumerator", "Items")
    Q_PROPERTY(int Count READ count)

public:
    enum class Kind { Files, Folders };

    FsoCollection(Kind kind, const QString &folder, QObject *parent = nullptr);

    int count() const;
    // The entry of that name (a new File or Folder); none raises 53 for
    // files and 76 for folders.
    Q_INVOKABLE QObject *Item(const QVariant &name) const;
    // Every entry, as new File or Folder objects (what For Each walks).
    Q_INVOKABLE QVariantList Items() const;

private:
    QObject *make(const QString &path) const;

    Kind m_kind;
    QString m_folder;
    QStringList m_names;
};
