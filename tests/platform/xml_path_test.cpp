// Location paths: what a path selects in a job document, and the error an
// ill-formed path raises.
#include "errorcore/error.h"
#include "expecterror.h"
#include "platform/xml/xmlnode.h"
#include "testsupport.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <tuple>

namespace {

// A job document in which every node a row may select carries an id.
const char *const jobText = R"(<?xml version="1.0"?>
<JobDefinition id="job">
  <Definition id="definition"><Type><![CDATA[SENSOR]]></Type></Definition>
  <FreeDefinition id="free">
    <Sensor id="sensor">
      <EvaluationData id="evaluation">
        <Values id="values">
          <EvalData id="danger"><Type>2</Type>
            <Events>
              <Event id="reach"><Name><![CDATA[OnReach]]></Name></Event>
              <Event id="apostrophe"><Name>O'Reach</Name></Event>
              <Event id="quote"><Name>say "hi"</Name></Event>
            </Events>
          </EvalData>
          <EvalData id="warning"><Type>1</Type><Events/></EvalData>
          <EvalData id="padded"><Type>02</Type></EvalData>
          <EvalData id="blank"><Type> 0 </Type></EvalData>
          <EvalData id="good"><Type>0</Type><Events><Event id="reach0"><Name>OnReach</Name></Event></Events></EvalData>
        </Values>
      </EvaluationData>
      <x:Extra xmlns:x="urn:x" id="prefixed"/>
    </Sensor>
  </FreeDefinition>
</JobDefinition>
)";

// The ids of the selected nodes, or their node names when they have none.
QString describe(const QList<XmlNode> &nodes)
{
    QStringList names;
    for (const XmlNode &node : nodes) {
        const QString id = node.attribute(QStringLiteral("id"));
        names.append(id.isEmpty() ? node.nodeName() : id);
    }
    return names.join(QLatin1Char(','));
}

const char *const sensor = "JobDefinition/FreeDefinition/Sensor";
const char *const values = "JobDefinition/FreeDefinition/Sensor/EvaluationData/Values";

TEST(XmlPath, SelectsTheseNodes)
{
    // The context node (a path from the document), the path, and the ids of
    // every match in document order.
    const std::tuple<const char *, const char *, const char *> rows[] = {
        {"", "JobDefinition", "job"},
        {"", "jobdefinition", ""},
        {"JobDefinition/FreeDefinition", "Sensor", "sensor"},
        {sensor, "EvaluationData/Values/EvalData[Type='2']", "danger"},
        {sensor, "EvaluationData/Values/EvalData[Type=\"1\"]", "warning"},
        {sensor, "EvaluationData/Values/EvalData[ Type = '0' ]", "good"},
        {sensor, "EvaluationData/Values/EvalData[Type='02']", "padded"},
        {values, "EvalData[Type=' 0 ']", "blank"},
        {values, "*", "danger,warning,padded,blank,good"},
        {values, "*[Type='1']", "warning"},
        {values, "EvalData/Events/Event[Name='OnReach']", "reach,reach0"},
        {values, "EvalData/Events/Event[Name=\"O'Reach\"]", "apostrophe"},
        {values, "EvalData/Events/Event[Name='say \"hi\"']", "quote"},
        {values, "EvalData[Missing='2']", ""},
        {sensor, ".", "sensor"},
        {sensor, "..", "free"},
        {values, "EvalData/..", "values"},
        {sensor, "EvaluationData/Values/../../EvaluationData", "evaluation"},
        {values, "/JobDefinition/Definition", "definition"},
        {values, "/", "#document"},
        {"", "..", ""},
        {sensor, "x:Extra", "prefixed"},
        {sensor, "Extra", ""},
        {sensor, " EvaluationData / Values ", "values"},
        {"JobDefinition/Definition", "Type/*", ""},
    };
    const XmlNode document = XmlNode::parse(QString::fromUtf8(jobText));
    for (const auto &[from, text, expected] : rows) {
        SCOPED_TRACE(text);
        const XmlNode context = *from ? document.selectSingleNode(QString::fromUtf8(from)) : document;
        const QString path = QString::fromUtf8(text);
        const QList<XmlNode> all = context.selectNodes(path);
        EXPECT_EQ(describe(all), QString::fromUtf8(expected));
        EXPECT_EQ(context.selectSingleNode(path), all.value(0));
    }

}

TEST(XmlPath, IllFormedPathRaises5NamingPathAndProblem)
{
    // A path, and what follows the quoted path in the description.
    const std::pair<const char *, const char *> rows[] = {
        {"", "the path is empty"},
        {"  ", "the path is empty"},
        {"Event[Name='O'Reach']",
         "unbalanced quote: \"Reach']\" follows the literal 'O' at position 15 "
         "(a literal cannot hold its own quote character)"},
        {"Event[Name='OnReach]", "unbalanced quote: the literal opened at position 12 is not closed"},
        {"Event[Name=\"OnReach']", "unbalanced quote: the literal opened at position 12 is not closed"},
        {"Event[Name='OnReach'", "missing \"]\" for the \"[\" at position 6"},
        {"Event[Name='OnReach'/Script", "missing \"]\" at position 21"},
        {"Event//Name", "empty step at position 7 (\"//\" is not supported)"},
        {"Event/", "empty step at the end (the path ends with \"/\")"},
        {"Event[]", "\"[\" without a predicate at position 6"},
        {"Event[", "missing \"]\" for the \"[\" at position 6"},
        {"Event[Name='a'][Type='b']", "more than one predicate in the step \"Event[Name='a']\" (position 16)"},
        {"Event[Name]", "expected \"=\" after \"Name\" at position 11 (a predicate is [Child='literal'])"},
        {"Event[Name=OnReach]", "expected a quoted literal after \"=\" at position 12, found \"O\""},
        {"Event[Name=", "expected a quoted literal after \"=\" at the end"},
        {"Event[@id='1']", "expected a child element name after \"[\" at position 7, found \"@\""},
        {".[Name='x']", "a predicate cannot follow \".\" (position 2)"},
        {"..[Name='x']", "a predicate cannot follow \"..\" (position 3)"},
        {"[Name='x']", "a step has no name before \"[\" at position 1"},
        {"...", "unexpected \".\" at position 3"},
        {"Event Name", "unexpected \"N\" at position 7"},
        {"@id", "unexpected \"@\" at position 1"},
        {"Event]", "unexpected \"]\" at position 6"},
    };
    const XmlNode events = XmlNode::parse(QStringLiteral("<Events><Event><Name>x</Name></Event></Events>"));
    for (const auto &[text, problem] : rows) {
        const QString path = QString::fromUtf8(text);
        const QString expected =
            QStringLiteral("Invalid location path \"%1\": %2").arg(path, QString::fromUtf8(problem));
        EXPECT_EQ(raisedBy([&] { events.selectSingleNode(path); }).description, expected);
        expectError(5, [&] { events.selectNodes(path); });
    }
}

} // namespace
