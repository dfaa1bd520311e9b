#pragma once

#include "common/showerror.h"

#include <QString>
#include <exception>

// Runs the steps of a sequence whose failing steps are skipped (layout, skin
// and language application, the syntax check): an exception leaving a step
// is recorded in the error log (no message; its number, its source trail
// followed by `where`, and "Skipped step <n>", counting the steps this object
// ran from 1) and the caller goes on with the next step.
class SkipOnFailure
{
public:
    SkipOnFailure(const char *where, const QString &logText) : m_where(where), m_logText(logText) {}

    template <class Step>
    void operator()(Step &&step)
    {
        ++m_steps;
        try {
            step();
        } catch (...) {
            recordSkipped(m_where, std::current_exception(),
                          QStringLiteral("Skipped step %1").arg(m_steps), m_logText);
        }
    }

private:
    const char *m_where;
    QString m_logText;
    int m_steps = 0;
};
