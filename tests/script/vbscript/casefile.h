#pragma once

#include <string>
#include <vector>

// One check line of a case, "? <expression> => <expected>": the expression is
// evaluated in the case's global scope after its code has compiled; expected
// is the CStr of the value, "Null", or "err" and the error number.
struct CaseRow
{
    int line = 0; // in the file
    std::string expression;
    std::string expected;
};

// A .vbs case: the program and what its header comments expect. A file holds
// one case, or several, each starting at a "' case: <name>" line; the lines
// before the first of them are shared by all. A case's source keeps the file's
// line numbers (the other cases' lines and the check lines are blank).
struct CaseFile
{
    std::string name;     // path below cases/ (and case name), as a test name
    std::string path;
    std::string source;   // UTF-8
    bool hasExpect = false;
    std::string expect;   // ' expect: <CStr of Main's result>
    long expectError = 0; // ' expect-error: <number>
    long expectCompileError = 0; // ' expect-compile-error: <number>
    int expectLine = 0;   // ' expect-line: <line>
    long timeLimitMs = 0; // ' time-limit: <ms> for each call (the runner's own limit otherwise)
    long memoryLimitMb = 0; // ' memory-limit: <MB>, the engine's memory budget
    std::string uses;     // ' uses: <file beside the cases>, run first (text, not a case)
    std::string usesSource;
    std::vector<CaseRow> rows;
};

// Every case of every file below `dir` whose name ends in `extension`, sorted
// by path. A .js file writes its header lines as "// key: value" and its
// cases as "// case: <name>".
std::vector<CaseFile> loadCases(const std::string &dir, const std::string &extension = ".vbs");
