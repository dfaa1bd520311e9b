#include "savingchanges.h"

#include "errorcore/error.h"
#include "common/regional.h"
#include "model/evallevels.h"
#include "model/nodepath.h"
#include "model/valueencoding.h"

#include "platform/xml/xmlspelling.h"

#include <QMap>

#include <algorithm>
#include <optional>
#include <utility>

namespace {

QString quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// The job kind every save writes.
void checkKind(QStringList &changes, const XmlNode &job)
{
    const struct
    {
        const char *path;
        const char *value;
    } kinds[] = {{"Definition/Type", "SENSOR"}, {"Definition/SubType", "SCRIPT"}, {"Definition/ExecutionEngine", "SENSOR"}};
    for (const auto &kind : kinds) {
        const XmlNode node = job.selectSingleNode(QString::fromLatin1(kind.path));
        if (!node.isNull() && node.text().trimmed() != QLatin1String(kind.value))
            changes << QStringLiteral("%1 %2 will be saved as %3")
                           .arg(nodePath(node), quoted(node.text().trimmed()), QString::fromLatin1(kind.value));
    }
}

// The language lists offer VBScript and JScript; any other text leaves the
// first entry selected.
void checkLanguage(QStringList &changes, const XmlNode &owner)
{
    const XmlNode language = owner.selectSingleNode(QStringLiteral("Script/Language"));
    if (language.isNull())
        return;
    const QString text = language.text();
    if (text != QLatin1String("VBScript") && text != QLatin1String("JScript"))
        changes << QStringLiteral("%1 %2 will be saved as VBScript").arg(nodePath(language), quoted(text));
}

std::optional<int> integerOf(const QString &text)
{
    double value = 0;
    if (documentTextToDouble(text, &value) == DocumentNumber::NotANumber)
        return std::nullopt;
    try {
        return roundToInt32(value);
    } catch (const Error &) {
        return std::nullopt;
    }
}

// The integers of the sensor: what the editor shows is what it saves, a
// check box saving 1 for any number but 0.
void checkIntegers(QStringList &changes, const XmlNode &sensor)
{
    const struct
    {
        const char *path;
        int defaultValue;
        bool checkBox;
    } fields[] = {
        {"Status", 0, true},
        {"ViewInMarquee", 0, true},
        {"Quantity", 0, true},
        {"DataPersistence/Quantity", 1, false},
        {"DataPersistence/UnitTime", 0, false},
        {"EvaluationData/Evaluation", 0, true},
    };
    for (const auto &field : fields) {
        const XmlNode node = sensor.selectSingleNode(QString::fromLatin1(field.path));
        if (node.isNull())
            continue;
        const QString text = node.text().trimmed();
        if (text.isEmpty())
            continue;
        double written = 0;
        const DocumentNumber form = documentTextToDouble(text, &written);
        if (form == DocumentNumber::NotANumber) {
            changes << QStringLiteral("%1 %2 is not a number and will be saved as %3")
                           .arg(nodePath(node), quoted(text))
                           .arg(field.checkBox ? int(field.defaultValue != 0) : field.defaultValue);
            continue;
        }
        const std::optional<int> read = integerOf(text);
        if (!read)
            continue; // out of range: the editor refuses the job
        const int saved = field.checkBox ? int(*read != 0) : *read;
        if (double(saved) != written || form == DocumentNumber::Regional)
            changes << QStringLiteral("%1 %2 will be saved as %3").arg(nodePath(node), quoted(text)).arg(saved);
    }
}

// A reference value is shown with at most 15 significant digits, and saved
// in the invariant form.
void checkReference(QStringList &changes, const XmlNode &level)
{
    const XmlNode node = level.selectSingleNode(QStringLiteral("ReferenceValue"));
    if (node.isNull())
        return;
    double value = 0;
    const DocumentNumber form = documentTextToDouble(node.text(), &value);
    if (form == DocumentNumber::NotANumber)
        return; // the editor refuses the job
    const QString saved = doubleToDocumentText(value);
    double again = 0;
    documentTextToDouble(saved, &again);
    if (again != value || form == DocumentNumber::Regional)
        changes << QStringLiteral("%1 %2 will be saved as %3").arg(nodePath(node), quoted(node.text().trimmed()), saved);
}

// The entity references below `node`, in document order.
QStringList entityReferences(const XmlNode &node)
{
    QStringList names;
    for (const XmlNode &child : node.childNodes()) {
        if (child.nodeType() == XmlNode::EntityReference)
            names << QLatin1Char('&') + child.nodeName() + QLatin1Char(';');
        else if (child.nodeType() == XmlNode::Element)
            names << entityReferences(child);
    }
    return names;
}

void checkSensor(QStringList &changes, const XmlNode &sensor)
{
    const XmlNode script = sensor.selectSingleNode(QStringLiteral("Script/EvalCode"));
    const QStringList references = script.isNull() ? QStringList() : entityReferences(script);
    if (!script.isNull() && script.text().count(QLatin1Char(' ')) == script.text().size())
        changes << (references.isEmpty()
                        ? QStringLiteral("%1 is empty and will be saved as the default script").arg(nodePath(script))
                        : QStringLiteral("%1 holds only %2, whose text the editor does not read, and will be saved "
                                         "as the default script")
                               .arg(nodePath(script), references.join(QStringLiteral(", "))));
    else
        checkLanguage(changes, sensor);
    checkIntegers(changes, sensor);
    for (const EvalLevelName &name : evalLevels) {
        const XmlNode level = sensor.selectSingleNode(
            QStringLiteral("EvaluationData/Values/EvalData[Type='%1']").arg(int(name.type)));
        if (level.isNull())
            continue;
        checkLanguage(changes, level);
        checkReference(changes, level);
        // Events with nothing in them get the default event (cEvents).
        const XmlNode events = level.selectSingleNode(QStringLiteral("Events"));
        if (!events.isNull() && !events.hasChildNodes())
            changes << QStringLiteral("%1 is empty and will be saved with the default event OnReach")
                           .arg(nodePath(events));
    }
}

// A save rebuilds FreeDefinition around its first Sensor.
void checkFreeDefinition(QStringList &changes, const XmlNode &freeDefinition)
{
    const XmlNode sensor = freeDefinition.selectSingleNode(QStringLiteral("Sensor"));
    const QString where = nodePath(freeDefinition);
    for (const XmlNode &child : freeDefinition.childNodes()) {
        if (child == sensor)
            continue;
        switch (child.nodeType()) {
        case XmlNode::Element:
            changes << (child.nodeName() == QLatin1String("Sensor")
                            ? QStringLiteral("%1 holds another Sensor, which will be dropped").arg(where)
                            : QStringLiteral("%1 will be dropped").arg(nodePath(child)));
            break;
        case XmlNode::Comment:
            changes << QStringLiteral("A comment in %1 will be dropped").arg(where);
            break;
        case XmlNode::Text:
        case XmlNode::CDATASection:
            if (!child.text().trimmed().isEmpty())
                changes << QStringLiteral("Text in %1 will be dropped").arg(where);
            break;
        default:
            break;
        }
    }
    if (!sensor.isNull())
        checkSensor(changes, sensor);
}

} // namespace

QStringList savingChanges(const XmlNode &document)
{
    QStringList changes;
    const XmlNode job = document.selectSingleNode(QStringLiteral("JobDefinition"));
    if (job.isNull())
        return changes;
    checkKind(changes, job);
    const XmlNode freeDefinition = job.selectSingleNode(QStringLiteral("FreeDefinition"));
    if (!freeDefinition.isNull())
        checkFreeDefinition(changes, freeDefinition);
    return changes;
}

namespace {

// A piece for a message: from a little before `at` (where two spellings part),
// line breaks and tabs as escapes.
QString shown(const QString &raw, qsizetype at)
{
    constexpr qsizetype before = 20, length = 60;
    const qsizetype start = qMax<qsizetype>(0, at - before);
    QString text = raw.mid(start, length);
    text.replace(u'\r', QLatin1String("\\r")).replace(u'\n', QLatin1String("\\n")).replace(u'\t', QLatin1String("\\t"));
    return (start > 0 ? QStringLiteral("\u2026") : QString()) + text
        + (start + length < raw.size() ? QStringLiteral("\u2026") : QString());
}

// The text as an XML reader takes it: CR LF and a lone CR are one LF. A
// file's line ends are not part of what it holds, so a job written with
// CR LF is not a job that a save changes.
QString withLineFeeds(QString raw)
{
    return raw.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
}

// What a save writes other than as the job text spells it, beyond the white
// space between tags and the line ends: quotes and blanks in tags, "<a></a>"
// as "<a/>", references written as the characters they stand for,
// attributes in another order (sorted by name), the declaration.
void checkSpelling(QStringList &changes, const QString &text, const QString &saved)
{
    constexpr qsizetype maxListed = 20;
    xmlspelling::Spellings before(text), after(saved);
    xmlspelling::Spelling was, will;
    qsizetype listed = 0, more = 0;
    while (before.next(was) && after.next(will)) {
        if (was.raw == will.raw || withLineFeeds(was.raw) == will.raw)
            continue;
        if (listed == maxListed) {
            ++more;
            continue;
        }
        ++listed;
        const QString where = was.path.isEmpty() ? QStringLiteral("Line %1").arg(was.line)
                                                 : QStringLiteral("%1 (line %2)").arg(was.path).arg(was.line);
        if (was.type != will.type) {
            changes << QStringLiteral("%1: the job is written differently from here on").arg(where);
            break;
        }
        QStringList sorted = was.attributes;
        sorted.sort();
        if (was.attributes != sorted) {
            changes << QStringLiteral("%1 will have its attributes in the order %2")
                           .arg(was.path, sorted.join(QStringLiteral(", ")));
            continue;
        }
        qsizetype at = 0;
        while (at < was.raw.size() && at < will.raw.size() && was.raw[at] == will.raw[at])
            ++at;
        changes << QStringLiteral("%1: %2 will be written as %3")
                       .arg(where, quoted(shown(was.raw, at)), quoted(shown(will.raw, at)));
    }
    if (more > 0)
        changes << QStringLiteral("%1 more places will be written differently").arg(more);
}

} // namespace

QStringList savingChanges(const QString &text)
{
    const XmlNode document = XmlNode::parse(text);
    QStringList changes = savingChanges(document);
    checkSpelling(changes, text, document.xml(true));
    return changes;
}

namespace {

void noteScript(QStringList &notes, const XmlNode &script)
{
    if (script.isNull())
        return;
    const QString text = script.text();
    const QString where = nodePath(script);
    // The characters a pane shows otherwise (valueencoding::paneForm), by code.
    QMap<char16_t, qsizetype> shownOtherwise;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\r' && text.mid(i + 1, 1) == u"\n")
            continue;                // a line break as the pane gives it back
        if (valueencoding::paneForm(QString(c)) != QString(c))
            ++shownOtherwise[c.unicode()];
    }
    for (auto it = shownOtherwise.cbegin(); it != shownOtherwise.cend(); ++it)
        notes << QStringLiteral("%1 holds %2 \u00D7 U+%3, which a script pane shows as %4: kept while the script is "
                                "not edited, saved as shown once it is")
                     .arg(where)
                     .arg(it.value())
                     .arg(QString::number(it.key(), 16).toUpper().rightJustified(4, u'0'),
                          valueencoding::paneForm(QString(QChar(it.key()))) == u" " ? QStringLiteral("a blank")
                                                                                    : QStringLiteral("a line break"));
    const QStringList references = entityReferences(script);
    if (!references.isEmpty())
        notes << QStringLiteral("%1 refers to %2, whose text the editor does not read: the script is shown and "
                                "tested without it, and an edit of the script drops the reference")
                     .arg(where, references.join(QStringLiteral(", ")));
}

} // namespace

QStringList editingNotes(const XmlNode &document)
{
    QStringList notes;
    const XmlNode sensor = document.selectSingleNode(QStringLiteral("JobDefinition/FreeDefinition/Sensor"));
    if (sensor.isNull())
        return notes;
    noteScript(notes, sensor.selectSingleNode(QStringLiteral("Script/EvalCode")));
    for (const EvalLevelName &name : evalLevels) {
        const XmlNode level = sensor.selectSingleNode(
            QStringLiteral("EvaluationData/Values/EvalData[Type='%1']").arg(int(name.type)));
        if (level.isNull())
            continue;
        noteScript(notes, level.selectSingleNode(QStringLiteral("Script/EvalCode")));
        for (const XmlNode &event : level.selectNodes(QStringLiteral("Events/Event")))
            noteScript(notes, event.selectSingleNode(QStringLiteral("Script/EvalCode")));
    }
    return notes;
}
