#include "sensorreading.h"

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
    values.script = sensor.GetEvalCode();
    values.language = sensor.GetLanguage();
    values.evaluation = sensor.GetEvaluation();
    for (std::size_t i = 0; i < evalLevels.size(); ++i) {
        const cEvalData data = sensor.GetEvalData(evalLevels[i].type);
        LevelValues &level = values.levels[i];
        level.level = evalLevels[i].type;
        level.script = data.GetEvalCode();
        level.language = data.GetLanguage();
        level.reference = data.GetReferenceValue();
    }
    return values;
}
