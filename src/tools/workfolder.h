#pragma once

#include <QString>

// Relative paths in a job (a database file in a connection string, a file a
// script opens) mean the job file's folder, wherever the program was started:
// the engines, the database drivers and the file objects all resolve them
// against the process's current folder, so while a WorkFolder lives that is
// the folder it was given, and the one before is current again after it.
class WorkFolder
{
public:
    // Enters `folder`; "" enters nothing and keeps the current folder.
    explicit WorkFolder(const QString &folder);
    ~WorkFolder();
    WorkFolder(const WorkFolder &) = delete;
    WorkFolder &operator=(const WorkFolder &) = delete;

    // True when a folder was given and could not be entered.
    bool failed() const { return m_failed; }

    // The folder the relative paths of the job in `jobFile` resolve against:
    // the file's own folder, absolute; "" for a job without a file.
    static QString ofJob(const QString &jobFile);

private:
    QString m_previous;   // "" when nothing was entered
    bool m_failed = false;
};
