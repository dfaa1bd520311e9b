#include "imagelist.h"

#include "errorcore/error.h"

QIcon ImageList::picture(const QString &key) const
{
    const auto it = m_pictures.constFind(key);
    if (it == m_pictures.constEnd())
        throw Error(35601, QStringLiteral("Element not found"));
    return *it;
}
