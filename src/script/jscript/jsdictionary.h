#pragma once

#include "script/vbscript/object.h"

#include <QObject>
#include <QVariant>
#include <QVariantList>

// Scripting.Dictionary for JScript: the VBScript engine's Dictionary behind
// the members a JScript script calls (d.Add(k, v), d.Item(k), d.Exists(k),
// d.Count, d.Keys() ...). Keys() and Items() give arrays; JScript scripts
// may also pass them through `new VBArray(...).toArray()`. Failures are the
// Dictionary's own errors (457 for a key added twice, 32811 for a missing one).
class JsDictionary : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("DefaultMember", "Item")
    Q_CLASSINFO("Enumerator", "Keys")
    Q_CLASSINFO("TypeName", "Dictionary")
    Q_PROPERTY(int Count READ Count)
    Q_PROPERTY(int CompareMode READ CompareMode WRITE setCompareMode)

public:
    // A new, empty Dictionary.
    JsDictionary();
    ~JsDictionary() override;

    int Count() const;
    int CompareMode() const;
    void setCompareMode(int mode);

    Q_INVOKABLE void Add(const QVariant &key, const QVariant &item);
    // The item of `key`; a missing key is added with an empty item, as in VBScript.
    Q_INVOKABLE QVariant Item(const QVariant &key);
    // Sets the item of `key` (added when missing): JScript cannot assign to d.Item(k).
    Q_INVOKABLE void Item(const QVariant &key, const QVariant &item);
    Q_INVOKABLE bool Exists(const QVariant &key) const;
    Q_INVOKABLE QVariantList Keys() const;
    Q_INVOKABLE QVariantList Items() const;
    // Renames `key` to `newKey` (VBScript's d.Key(k) = newKey).
    Q_INVOKABLE void Key(const QVariant &key, const QVariant &newKey);
    Q_INVOKABLE void Remove(const QVariant &key);
    Q_INVOKABLE void RemoveAll();

private:
    vbs::Variant member(std::u16string_view name, const QVariantList &args = {}) const;
    vbs::Ref<vbs::Object> m_dictionary;
};
