#pragma once

#include "model/csensor.h"
#include "model/evallevels.h"

#include <QString>
#include <array>

// One evaluation level's values.
struct LevelValues
{
    EvalLevel level = LevelGood;
    QString script;
    QString language;
    double reference = 0;
};

// Every value of a sensor, read as the editor reads it when it opens the
// job, so that every reader of a job accepts and refuses the same ones.
struct SensorValues
{
    QString script;
    QString language;
    int status = 0;
    int marquee = 0;
    int numeric = 0;
    int persistenceQuantity = 1;
    int persistenceUnit = 0;             // -1 (none) to 3
    int evaluation = 0;
    std::array<LevelValues, 3> levels;   // in the order of evalLevels: Danger, Warning, Good
};

// Reads the bound sensor. Raises the first value that cannot be read, its
// element named in the description: 13 for a reference value that is not a
// number, 6 for an integer outside the 32-bit range, 380 for a persistence
// unit outside -1..3, 91 for a missing part or level.
SensorValues readSensorValues(const cSensor &sensor);
