#include "casefile.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

std::string trim(std::string s)
{
    while (!s.empty() && (s.back() == '\r' || s.back() == ' ' || s.back() == '\t'))
        s.pop_back();
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t'))
        ++i;
    return s.substr(i);
}

// The comment that starts a header line: "' " in VBScript, "// " in JScript.
std::string g_comment = "' ";

bool directive(const std::string &line, const std::string &key, std::string &value)
{
    const std::string prefix = g_comment + key + ":";
    if (line.rfind(prefix, 0) != 0)
        return false;
    value = trim(line.substr(prefix.size()));
    return true;
}

std::string readFile(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string testName(std::string text)
{
    for (char &ch : text)
        if (!std::isalnum(static_cast<unsigned char>(ch)))
            ch = '_';
    return text;
}

// "? expr => expected": splits at the first " =>" outside a string literal.
bool parseRow(const std::string &line, int number, CaseRow &row)
{
    if (line.rfind("? ", 0) != 0)
        return false;
    bool quoted = false;
    for (std::size_t i = 2; i < line.size(); ++i) {
        if (line[i] == '"')
            quoted = !quoted;
        else if (!quoted && line.compare(i, 3, " =>") == 0 && (i + 3 == line.size() || line[i + 3] == ' ')) {
            row = {number, trim(line.substr(2, i - 2)), i + 4 <= line.size() ? line.substr(i + 4) : ""};
            return true;
        }
    }
    row = {number, trim(line.substr(2)), "(no \" => \" on the check line)"};
    return true;
}

// The case of the lines [begin, end), with the code (not the check lines) of
// the shared lines [0, shared).
CaseFile caseOf(const std::vector<std::string> &lines, std::size_t shared, std::size_t begin, std::size_t end)
{
    CaseFile c;
    std::string value;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const bool own = i >= begin && i < end;
        const std::string line = trim(lines[i]);
        CaseRow row;
        if ((own || i < shared) && parseRow(line, static_cast<int>(i) + 1, row)) {
            if (own)
                c.rows.push_back(row);
        } else if (own || i < shared) {
            c.source += lines[i];
            if (directive(line, "expect", value)) {
                c.hasExpect = true;
                c.expect = value;
            } else if (directive(line, "expect-error", value)) {
                c.expectError = std::stol(value);
            } else if (directive(line, "expect-compile-error", value)) {
                c.expectCompileError = std::stol(value);
            } else if (directive(line, "expect-line", value)) {
                c.expectLine = std::stoi(value);
            } else if (directive(line, "time-limit", value)) {
                c.timeLimitMs = std::stol(value);
            } else if (directive(line, "memory-limit", value)) {
                c.memoryLimitMb = std::stol(value);
            } else if (directive(line, "uses", value)) {
                c.uses = value;
            }
        }
        c.source += '\n';
    }
    return c;
}

} // namespace

std::vector<CaseFile> loadCases(const std::string &dir, const std::string &extension)
{
    namespace fs = std::filesystem;
    g_comment = extension == ".js" ? "// " : "' ";
    std::vector<CaseFile> cases;
    if (!fs::exists(dir))
        return cases;
    for (const auto &entry : fs::recursive_directory_iterator(dir)) {
        if (!entry.is_regular_file() || entry.path().extension() != extension)
            continue;
        std::vector<std::string> lines;
        std::vector<std::pair<std::size_t, std::string>> starts; // line index, case name
        std::istringstream text(readFile(entry.path()));
        std::string line, value;
        while (std::getline(text, line)) {
            if (directive(trim(line), "case", value))
                starts.emplace_back(lines.size(), value);
            lines.push_back(line);
        }
        const std::string rel = testName(fs::relative(entry.path(), dir).replace_extension().generic_string());
        std::vector<CaseFile> found;
        const std::size_t shared = starts.empty() ? lines.size() : starts.front().first;
        found.push_back(caseOf(lines, 0, 0, shared)); // the whole file, or the lines before the first case
        found.back().name = rel;
        if (!starts.empty() && found.back().rows.empty() && !found.back().hasExpect)
            found.pop_back();
        for (std::size_t k = 0; k < starts.size(); ++k) {
            const std::size_t end = k + 1 < starts.size() ? starts[k + 1].first : lines.size();
            found.push_back(caseOf(lines, shared, starts[k].first, end));
            found.back().name = rel + "__" + testName(starts[k].second);
        }
        for (CaseFile &c : found) {
            c.path = entry.path().string();
            if (!c.uses.empty())
                c.usesSource = readFile(fs::path(dir) / c.uses);
            cases.push_back(std::move(c));
        }
    }
    std::sort(cases.begin(), cases.end(), [](const CaseFile &a, const CaseFile &b) {
        return a.path != b.path ? a.path < b.path : a.name < b.name;
    });
    return cases;
}
