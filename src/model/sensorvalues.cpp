#include "sensorvalues.h"

#include "errorcore/error.h"
#include "model/nodepath.h"

SensorValues readSensorValues(const cSensor &sensor)
{
    SensorValues values;
    values.persistenceQuantity = sensor.GetPersistenceQuantity();
    values.persistenceUnit = sensor.GetPersistenceUnitTime();
    if (values.persistenceUnit < -1 || values.persistenceUnit > 3)
        throw Error(380, QStringLiteral("Invalid property value: %1 %2 is not a unit (0 to 3)")
                             .arg(nodePath(sensor.GetSensorXML().selectSingleNode(QStringLiteral("DataPersistence/UnitTime"))))
                             .arg(values.persistenceUnit));
    values.status = sensor.GetStatus();
    values.marquee = sensor.GetMarquee();
    values.numeric = sensor.GetNumeric();
    values.scripts.general = {sensor.GetEvalCode(), sensor.GetLanguage()};
    values.scripts.evaluate = sensor.GetEvaluation() != 0;
    for (std::size_t i = 0; i < evalLevels.size(); ++i) {
        const cEvalData level = sensor.GetEvalData(evalLevels[i].type);
        values.scripts.levels[i] = {level.GetEvalCode(), level.GetLanguage()};
        values.references[i] = level.GetReferenceValue();
    }
    return values;
}

void writeSensorValues(cSensor &sensor, const SensorValues &values)
{
    sensor.SetPersistenceQuantity(values.persistenceQuantity);
    sensor.SetPersistenceUnitTime(values.persistenceUnit);
    sensor.SetStatus(values.status);
    sensor.SetMarquee(values.marquee);
    sensor.SetNumeric(values.numeric);
    sensor.SetEvaluation(values.scripts.evaluate ? 1 : 0);
    sensor.SetEvalCode(values.scripts.general.code);
    sensor.SetLanguage(values.scripts.general.language);
    for (std::size_t i = 0; i < evalLevels.size(); ++i) {
        cEvalData level = sensor.GetEvalData(evalLevels[i].type);
        level.SetEvalCode(values.scripts.levels[i].code);
        level.SetLanguage(values.scripts.levels[i].language);
        level.SetType(evalLevels[i].type);
        level.SetReferenceValue(values.references[i]);
    }
}
