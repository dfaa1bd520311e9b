#pragma once

#include <QString>

// Paths of the checked-in data, for tests that read real files.
QString sourcePath(const QString &relative);   // relative to the repository root
QString readTextFile(const QString &path);     // whole file as UTF-8; empty when missing

#include <ostream>

// Readable failure messages for QString comparisons in every test.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}
