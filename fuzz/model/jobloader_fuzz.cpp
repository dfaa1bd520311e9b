// Reads the input as a job document the way the command line and the editor
// do (JobDefinition, its FreeDefinition/Sensor), then calls every getter of
// the job, the sensor, each level and each event. An error raised by a getter
// is an answer; anything else (a crash, a sanitizer report, a hang past
// libFuzzer's -timeout) is a finding.
#include "errorcore/error.h"
#include "model/cevaldata.h"
#include "model/cevent.h"
#include "model/cevents.h"
#include "model/cjob.h"
#include "model/csensor.h"
#include "platform/xml/xmlnode.h"

#include <QString>

#include <cstdint>

namespace {

// Runs one getter; what it returns is read so that nothing is skipped.
template <class Getter>
void call(Getter getter)
{
    try {
        const auto value = getter();
        (void)value;
    } catch (const Error &) {
    }
}

void visitEvent(const cEvent &event)
{
    call([&] { return event.GetEventXML().isNull(); });
    call([&] { return event.GetName(); });
    call([&] { return event.GetEvalCode(); });
    call([&] { return event.GetLanguage(); });
}

void visitLevel(const cEvalData &level)
{
    call([&] { return level.GetEvalCode(); });
    call([&] { return level.GetReferenceValue(); });
    call([&] { return level.GetEvalDataXML().isNull(); });
    call([&] { return level.GetLanguage(); });
    call([&] { return level.GetType(); });
    call([&] { return level.oEvents.GetEventsXML().isNull(); });
    try {
        for (const cEvent &event : level.oEvents.GetEventsAsCollection()) {
            visitEvent(event);
            try {
                visitEvent(level.oEvents.GetEvent(event.GetName()));
            } catch (const Error &) {
            }
        }
    } catch (const Error &) {
    }
}

void visitSensor(const cSensor &sensor)
{
    call([&] { return sensor.GetEvalCode(); });
    call([&] { return sensor.GetLanguage(); });
    call([&] { return sensor.GetEvaluation(); });
    call([&] { return sensor.GetProperties().isNull(); });
    call([&] { return sensor.GetSensorXML().isNull(); });
    call([&] { return sensor.GetStatus(); });
    call([&] { return sensor.GetMarquee(); });
    call([&] { return sensor.GetNumeric(); });
    call([&] { return sensor.GetPersistenceQuantity(); });
    call([&] { return sensor.GetPersistenceUnitTime(); });
    for (int who = -1; who <= 3; ++who) {
        try {
            const cEvalData level = sensor.GetEvalData(who);
            if (!level.isNothing())
                visitLevel(level);
        } catch (const Error &) {
        }
    }
}

void visitJob(cJob &job)
{
    call([&] { return job.GetDefaultDescription(); });
    call([&] { return job.GetJobNodeXML().isNull(); });
    call([&] { return job.GetSchedule().isNull(); });
    call([&] { return job.GetProperties().isNull(); });
    call([&] { return job.GetType(); });
    call([&] { return job.GetSubType(); });
    call([&] { return job.GetExecutionEngine(); });
    call([&] { return job.GetDocumentation().isNull(); });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    XmlParseError error;
    const XmlNode document = XmlNode::parse(text, &error);
    if (document.isNull())
        return 0;
    try {
        cJob job;
        job.SetJobNodeXML(document.selectSingleNode(QStringLiteral("JobDefinition")));
        visitJob(job);
        const XmlNode freeDefinition = job.GetFreeDefinition();
        if (freeDefinition.isNull())
            return 0;
        const XmlNode sensorNode = freeDefinition.selectSingleNode(QStringLiteral("Sensor"));
        if (sensorNode.isNull())
            return 0;
        cSensor sensor;
        sensor.SetSensorXML(sensorNode);
        visitSensor(sensor);
    } catch (const Error &) {
    }
    return 0;
}
