#pragma once

#include <QString>

// Paths of the checked-in data, for tests that read real files.
QString sourcePath(const QString &relative);   // relative to the repository root
QString readTextFile(const QString &path);     // whole file as UTF-8; empty when missing
