#pragma once

#include <string>
#include <vector>

// A .vbs case: the program and what its header comments expect.
struct CaseFile
{
    std::string name;     // path below cases/, as a test name
    std::string path;
    std::string source;   // UTF-8
    bool hasExpect = false;
    std::string expect;   // ' expect: <CStr of Main's result>
    long expectError = 0; // ' expect-error: <number>
    long expectCompileError = 0; // ' expect-compile-error: <number>
    int expectLine = 0;   // ' expect-line: <line>
    std::string uses;     // ' uses: <file beside the cases>, run first (text, not a case)
    std::string usesSource;
};

// Every .vbs file below `dir`, sorted by path.
std::vector<CaseFile> loadCases(const std::string &dir);
