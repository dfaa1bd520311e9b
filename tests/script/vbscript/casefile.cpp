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

bool directive(const std::string &line, const std::string &key, std::string &value)
{
    const std::string prefix = "' " + key + ":";
    if (line.rfind(prefix, 0) != 0)
        return false;
    value = line.substr(prefix.size());
    if (!value.empty() && value[0] == ' ')
        value.erase(0, 1);
    while (!value.empty() && (value.back() == '\r'))
        value.pop_back();
    return true;
}

} // namespace

std::vector<CaseFile> loadCases(const std::string &dir)
{
    namespace fs = std::filesystem;
    std::vector<CaseFile> cases;
    if (!fs::exists(dir))
        return cases;
    for (const auto &entry : fs::recursive_directory_iterator(dir)) {
        if (!entry.is_regular_file() || entry.path().extension() != ".vbs")
            continue;
        CaseFile c;
        c.path = entry.path().string();
        std::string rel = fs::relative(entry.path(), dir).replace_extension().generic_string();
        for (char &ch : rel)
            if (!std::isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        c.name = rel;
        std::ifstream in(entry.path(), std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        c.source = ss.str();
        std::istringstream lines(c.source);
        std::string line, value;
        while (std::getline(lines, line)) {
            line = trim(line);
            if (directive(line, "expect", value)) {
                c.hasExpect = true;
                c.expect = value;
            } else if (directive(line, "expect-error", value)) {
                c.expectError = std::stol(value);
            } else if (directive(line, "expect-compile-error", value)) {
                c.expectCompileError = std::stol(value);
            } else if (directive(line, "expect-line", value)) {
                c.expectLine = std::stoi(value);
            } else if (directive(line, "uses", value)) {
                c.uses = value;
            }
        }
        if (!c.uses.empty()) {
            std::ifstream shared(fs::path(dir) / c.uses, std::ios::binary);
            std::stringstream text;
            text << shared.rdbuf();
            c.usesSource = text.str();
        }
        cases.push_back(std::move(c));
    }
    std::sort(cases.begin(), cases.end(), [](const CaseFile &a, const CaseFile &b) { return a.path < b.path; });
    return cases;
}
