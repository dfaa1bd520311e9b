#pragma once

#include "model/csensor.h"
#include "model/sensorscripts.h"

#include <array>

// Every value of a sensor that the editor shows, as one record: what the
// editor fills its controls from and stores back, and what the command line
// reads, so that every reader of a job accepts and refuses the same values.
struct SensorValues
{
    SensorScripts scripts;
    std::array<double, evalLevels.size()> references{};   // in the order of evalLevels
    int status = 0;
    int marquee = 0;
    int numeric = 0;
    int persistenceQuantity = 1;
    int persistenceUnit = 0;                               // -1 (none) to 3

    bool operator==(const SensorValues &) const = default;
};

// Reads the bound sensor. Raises the first value that cannot be read, its
// element named in the description: 13 for a reference value that is not a
// number, 6 for an integer outside the 32-bit range, 380 for a persistence
// unit outside -1..3, 91 for a missing part or level.
SensorValues readSensorValues(const cSensor &sensor);

// Writes every value into the bound sensor, in the order the editor stores
// them: persistence quantity and unit, status, marquee, numeric values, the
// evaluation switch, the general script and its language, then per level its
// script, language, Type code and reference value. A failure passes on;
// what was written before it stays.
void writeSensorValues(cSensor &sensor, const SensorValues &values);
