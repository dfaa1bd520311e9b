#include "workfolder.h"

#include <QDir>
#include <QFileInfo>

WorkFolder::WorkFolder(const QString &folder)
{
    if (folder.isEmpty())
        return;
    const QString previous = QDir::currentPath();
    if (QDir::setCurrent(folder))
        m_previous = previous;
    else
        m_failed = true;
}

WorkFolder::~WorkFolder()
{
    if (!m_previous.isEmpty())
        QDir::setCurrent(m_previous);
}

QString WorkFolder::ofJob(const QString &jobFile)
{
    return jobFile.isEmpty() ? QString() : QFileInfo(jobFile).absolutePath();
}
