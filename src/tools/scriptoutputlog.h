#pragma once

#include "script/engine/scriptengine.h"

#include <QStringList>
#include <mutex>

// What the scripts of one run print, gathered from the thread that runs
// them for the interface thread to show afterwards. A script that prints in
// an endless loop until its time-out cannot fill the memory: past
// kMaxEntries entries or kMaxChars characters the rest is dropped, and the
// last entry says so.
class ScriptOutputLog
{
public:
    static constexpr qsizetype kMaxEntries = 5000;
    static constexpr qsizetype kMaxChars = 1 << 20;

    // The sink to hand to ScriptControl::setOutput; the log must outlive its use.
    ScriptOutput sink();
    void append(const QString &text);
    QStringList lines() const;

private:
    mutable std::mutex m_lock;
    QStringList m_lines;
    qsizetype m_chars = 0;
    bool m_full = false;
};
