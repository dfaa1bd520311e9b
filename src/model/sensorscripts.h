#pragma once

#include "model/evallevels.h"

#include <QString>
#include <array>

// A script and the language it is written in ("VBScript" or "JScript").
struct ScriptSource
{
    QString code;
    QString language = QStringLiteral("VBScript");

    bool operator==(const ScriptSource &) const = default;
};

// The scripts of a sensor: the general script, the switch that has the
// levels judge its value, and one script per level in the order of
// evalLevels (Danger, Warning, Good).
struct SensorScripts
{
    ScriptSource general;
    bool evaluate = false;
    std::array<ScriptSource, evalLevels.size()> levels;

    bool operator==(const SensorScripts &) const = default;
};
