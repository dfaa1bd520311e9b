// Runs the Main function of a .vbs file on the engine alone and prints what
// it returns: the programs of ../programs time themselves, so this is their
// runner for compare-node.sh and for callgrind, without a host around it.
#include "script/vbscript/engine.h"

#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

int main(int argc, char **argv)
{
    // --cpu: print the processor time Main took instead of its result, for
    // a loaded machine where the script's own wall clock says little.
    const bool cpu = argc == 3 && std::strcmp(argv[1], "--cpu") == 0;
    if (argc != 2 && !cpu) {
        std::fprintf(stderr, "usage: vbsrun [--cpu] FILE.vbs\n");
        return 2;
    }
    std::ifstream in(argv[argc - 1], std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    if (!in) {
        std::fprintf(stderr, "vbsrun: cannot read %s\n", argv[argc - 1]);
        return 2;
    }
    vbs::Engine engine;
    std::vector<vbs::Variant> args;
    vbs::Variant result;
    timespec start{}, end{};
    const bool compiled = engine.addCodeUtf8(text.str());
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &start);
    const bool ran = compiled && engine.run(u"Main", args, &result);
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &end);
    if (!ran) {
        const vbs::ScriptError &e = engine.lastError();
        std::fprintf(stderr, "vbsrun: error %ld on line %d\n", e.number, e.line);
        return 1;
    }
    if (cpu) {
        std::printf("%.1f\n", (end.tv_sec - start.tv_sec) * 1e3 + (end.tv_nsec - start.tv_nsec) / 1e6);
        return 0;
    }
    // The programs return a number of milliseconds; anything else is shown
    // as text (ASCII is all they give), a value that has none as its type.
    std::u16string shown;
    try {
        shown = result.toString();
    } catch (...) {
        shown = result.typeName();
    }
    std::string out;
    for (char16_t c : shown)
        out += c < 0x80 ? static_cast<char>(c) : '?';
    std::printf("%s\n", out.c_str());
    return 0;
}
