// Location paths: what a path selects in a job document, and the error an
// ill-formed path raises.
#include "errorcore/error.h"
#include "platform/xml/xmlnode.h"
#include "testsupport.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <ostream>

namespace {

// A job document in which every node a row may select carries an id.
const char *const jobText = R"(<?xml version="1.0"?>
<JobDefinition id="job">
  <Definition id="definition">
    <Type><![CDATA[SENSOR]]></Type>
    <Properties>
      <Description>
        <Languages id="languages">
          <Language id="lang-en"><Default>0</Default><Description>Checks the disk</Description></Language>
          <Language id="lang-de"><Default>1</Default><Description>Prüft die Platte</Description></Language>
        </Languages>
      </Description>
    </Properties>
  </Definition>
  <FreeDefinition id="free">
    <Sensor id="sensor">
      <EvaluationData id="evaluation">
        <Evaluation>1</Evaluation>
        <Values id="values">
          <EvalData id="danger">
            <Type>2</Type>
            <Events id="danger-events">
              <Event id="reach"><Name><![CDATA[OnReach]]></Name></Event>
              <Event id="apostrophe"><Name>O'Reach</Name></Event>
              <Event id="quote"><Name>say "hi"</Name></Event>
            </Events>
          </EvalData>
          <EvalData id="warning"><Type>1</Type><Events/></EvalData>
          <EvalData id="padded"><Type>02</Type></EvalData>
          <EvalData id="blank"><Type> 0 </Type></EvalData>
          <EvalData id="good"><Type>0</Type><Events><Event id="good-reach"><Name>OnReach</Name></Event></Events></EvalData>
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

struct Selection
{
    const char *name;
    const char *context;             // path from the document to the context node
    const char *path;
    const char *expected;            // ids of every match, in document order
};

class XmlPathSelect : public ::testing::TestWithParam<Selection>
{
protected:
    static XmlNode document()
    {
        static const XmlNode parsed = XmlNode::parse(QString::fromUtf8(jobText));
        return parsed;
    }
};

TEST_P(XmlPathSelect, SelectsTheseNodes)
{
    const Selection &row = GetParam();
    const XmlNode context = QString::fromUtf8(row.context).isEmpty()
        ? document()
        : document().selectSingleNode(QString::fromUtf8(row.context));
    ASSERT_FALSE(context.isNull());
    const QString path = QString::fromUtf8(row.path);
    const QList<XmlNode> all = context.selectNodes(path);
    EXPECT_EQ(describe(all), QString::fromUtf8(row.expected));

    const XmlNode first = context.selectSingleNode(path);
    if (all.isEmpty())
        EXPECT_TRUE(first.isNull());
    else
        EXPECT_EQ(first, all.first());
}

const char *const sensor = "JobDefinition/FreeDefinition/Sensor";
const char *const values = "JobDefinition/FreeDefinition/Sensor/EvaluationData/Values";

const Selection selections[] = {
    {"root_by_name", "", "JobDefinition", "job"},
    {"name_is_case_sensitive", "", "jobdefinition", ""},
    {"sensor_below_free_definition", "JobDefinition/FreeDefinition", "Sensor", "sensor"},
    {"three_steps", "", "JobDefinition/FreeDefinition/Sensor", "sensor"},
    {"danger_level", sensor, "EvaluationData/Values/EvalData[Type='2']", "danger"},
    {"warning_double_quotes", sensor, "EvaluationData/Values/EvalData[Type=\"1\"]", "warning"},
    {"good_blanks_in_brackets", sensor, "EvaluationData/Values/EvalData[ Type = '0' ]", "good"},
    {"padded_text_matches_only_itself", sensor, "EvaluationData/Values/EvalData[Type='02']", "padded"},
    {"missing_level", sensor, "EvaluationData/Values/EvalData[Type='3']", ""},
    {"blanks_in_text_count", values, "EvalData[Type=' 0 ']", "blank"},
    {"all_levels", values, "EvalData", "danger,warning,padded,blank,good"},
    {"star", values, "*", "danger,warning,padded,blank,good"},
    {"star_with_predicate", values, "*[Type='1']", "warning"},
    {"event_in_cdata", "JobDefinition/FreeDefinition/Sensor/EvaluationData/Values/EvalData/Events",
     "Event[Name='OnReach']", "reach"},
    {"events_of_every_level", values, "EvalData/Events/Event[Name='OnReach']", "reach,good-reach"},
    {"apostrophe_in_double_quotes", values, "EvalData/Events/Event[Name=\"O'Reach\"]", "apostrophe"},
    {"double_quote_in_single_quotes", values, "EvalData/Events/Event[Name='say \"hi\"']", "quote"},
    {"default_language", "JobDefinition", "Definition/Properties/Description/Languages/Language[Default='1']",
     "lang-de"},
    {"predicate_child_missing", values, "EvalData[Missing='2']", ""},
    {"self", sensor, ".", "sensor"},
    {"parent", sensor, "..", "free"},
    {"parent_of_many_once", values, "EvalData/..", "values"},
    {"down_and_up", sensor, "EvaluationData/Values/../../EvaluationData", "evaluation"},
    {"absolute_from_deep_node", values, "/JobDefinition/Definition", "definition"},
    {"slash_is_the_document", values, "/", "#document"},
    {"parent_of_document", "", "..", ""},
    {"prefixed_name", sensor, "x:Extra", "prefixed"},
    {"prefix_is_part_of_the_name", sensor, "Extra", ""},
    {"blanks_around_steps", sensor, " EvaluationData / Values ", "values"},
    {"comment_and_text_are_not_elements", "JobDefinition/Definition", "Type/*", ""},
};

INSTANTIATE_TEST_SUITE_P(XmlPath, XmlPathSelect, ::testing::ValuesIn(selections),
                         [](const auto &info) { return std::string(info.param.name); });

struct BadPath
{
    const char *name;
    const char *path;
    const char *problem;             // what follows the quoted path in the description
};

class XmlPathError : public ::testing::TestWithParam<BadPath>
{
};

TEST_P(XmlPathError, Raises5NamingPathAndProblem)
{
    const BadPath &row = GetParam();
    const QString path = QString::fromUtf8(row.path);
    const XmlNode document = XmlNode::parse(QStringLiteral("<Events><Event><Name>x</Name></Event></Events>"));
    const XmlNode events = document.documentElement();
    for (const bool single : {true, false}) {
        try {
            if (single)
                events.selectSingleNode(path);
            else
                events.selectNodes(path);
            ADD_FAILURE() << "no error raised for " << row.path;
        } catch (const Error &error) {
            EXPECT_EQ(error.number, 5);
            EXPECT_EQ(error.description,
                      QStringLiteral("Invalid location path \"%1\": %2").arg(path, QString::fromUtf8(row.problem)));
        }
    }
}

const BadPath badPaths[] = {
    {"empty", "", "the path is empty"},
    {"blank", "  ", "the path is empty"},
    {"apostrophe_in_event_name", "Event[Name='O'Reach']",
     "unbalanced quote: \"Reach']\" follows the literal 'O' at position 15 "
     "(a literal cannot hold its own quote character)"},
    {"literal_not_closed", "Event[Name='OnReach]", "unbalanced quote: the literal opened at position 12 is not closed"},
    {"double_quote_not_closed", "Event[Name=\"OnReach']", "unbalanced quote: the literal opened at position 12 is not closed"},
    {"missing_bracket_at_end", "Event[Name='OnReach'", "missing \"]\" for the \"[\" at position 6"},
    {"missing_bracket_before_step", "Event[Name='OnReach'/Script", "missing \"]\" at position 21"},
    {"double_slash", "Event//Name", "empty step at position 7 (\"//\" is not supported)"},
    {"trailing_slash", "Event/", "empty step at the end (the path ends with \"/\")"},
    {"empty_brackets", "Event[]", "\"[\" without a predicate at position 6"},
    {"bracket_at_end", "Event[", "missing \"]\" for the \"[\" at position 6"},
    {"two_predicates", "Event[Name='a'][Type='b']", "more than one predicate in the step \"Event[Name='a']\" (position 16)"},
    {"predicate_without_literal", "Event[Name]", "expected \"=\" after \"Name\" at position 11 (a predicate is [Child='literal'])"},
    {"unquoted_literal", "Event[Name=OnReach]", "expected a quoted literal after \"=\" at position 12, found \"O\""},
    {"literal_missing_at_end", "Event[Name=", "expected a quoted literal after \"=\" at the end"},
    {"predicate_not_a_name", "Event[@id='1']", "expected a child element name after \"[\" at position 7, found \"@\""},
    {"predicate_on_self", ".[Name='x']", "a predicate cannot follow \".\" (position 2)"},
    {"predicate_on_parent", "..[Name='x']", "a predicate cannot follow \"..\" (position 3)"},
    {"predicate_without_step", "[Name='x']", "a step has no name before \"[\" at position 1"},
    {"three_dots", "...", "unexpected \".\" at position 3"},
    {"blank_inside_name", "Event Name", "unexpected \"N\" at position 7"},
    {"attribute_axis", "@id", "unexpected \"@\" at position 1"},
    {"stray_bracket", "Event]", "unexpected \"]\" at position 6"},
};

INSTANTIATE_TEST_SUITE_P(XmlPath, XmlPathError, ::testing::ValuesIn(badPaths),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(XmlPath, NameWithApostropheIsFoundWithDoubleQuotes)
{
    // What a caller must do for an event whose name holds an apostrophe.
    const XmlNode events = XmlNode::parse(QStringLiteral("<Events><Event><Name>O'Reach</Name></Event></Events>"))
                               .documentElement();
    EXPECT_FALSE(events.selectSingleNode(QStringLiteral("Event[Name=\"O'Reach\"]")).isNull());
}

TEST(XmlPath, SelectionFollowsChangesOfTheDocument)
{
    XmlNode document = XmlNode::parse(QStringLiteral("<Values><EvalData><Type>2</Type></EvalData></Values>"));
    const XmlNode values = document.documentElement();
    XmlNode type = values.selectSingleNode(QStringLiteral("EvalData/Type"));
    type.setText(QStringLiteral("1"));
    EXPECT_TRUE(values.selectSingleNode(QStringLiteral("EvalData[Type='2']")).isNull());
    EXPECT_FALSE(values.selectSingleNode(QStringLiteral("EvalData[Type='1']")).isNull());
}

} // namespace
