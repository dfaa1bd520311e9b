#include "scriptoutputlog.h"

ScriptOutput ScriptOutputLog::sink()
{
    return [this](const QString &text) { append(text); };
}

void ScriptOutputLog::append(const QString &text)
{
    const std::lock_guard lock(m_lock);
    if (m_full)
        return;
    if (m_lines.size() + 1 >= kMaxEntries || m_chars + text.size() > kMaxChars) {
        m_full = true;
        m_lines << QStringLiteral("(more output was dropped: a run keeps at most %1 lines and %2 characters)")
                       .arg(kMaxEntries)
                       .arg(kMaxChars);
        return;
    }
    m_chars += text.size();
    m_lines << text;
}

QStringList ScriptOutputLog::lines() const
{
    const std::lock_guard lock(m_lock);
    return m_lines;
}
