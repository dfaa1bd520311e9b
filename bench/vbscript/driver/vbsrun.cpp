// Runs the Main function of a .vbs file on the engine alone and prints what
// it returns: the programs of ../programs time themselves, so this is their
// runner for compare-node.sh and for callgrind, without a host around it.
#include "script/vbscript/engine.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: vbsrun FILE.vbs\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    if (!in) {
        std::fprintf(stderr, "vbsrun: cannot read %s\n", argv[1]);
        return 2;
    }
    vbs::Engine engine;
    std::vector<vbs::Variant> args;
    vbs::Variant result;
    if (!engine.addCodeUtf8(text.str()) || !engine.run(u"Main", args, &result)) {
        const vbs::ScriptError &e = engine.lastError();
        std::fprintf(stderr, "vbsrun: error %ld on line %d\n", e.number, e.line);
        return 1;
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
