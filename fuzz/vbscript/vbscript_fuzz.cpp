// Compiles the input as a script, runs its global code and then Main, within
// a few milliseconds, with small string and array limits. Anything but a
// clean return (a crash, a sanitizer report, a hang past libFuzzer's
// -timeout) is a finding.
#include "script/vbscript/array.h"
#include "script/vbscript/engine.h"

#include <chrono>
#include <cstdint>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const bool limited = [] {
        vbs::setMaxStringLength(std::size_t(1) << 20);
        vbs::Array::setMaxElements(std::size_t(1) << 16);
        return true;
    }();
    (void)limited;
    vbs::Engine engine;
    engine.setTimeLimit(std::chrono::milliseconds(5));
    const std::string_view source(reinterpret_cast<const char *>(data), size);
    if (engine.addCodeUtf8(source) && engine.hasProcedure(u"Main")) {
        std::vector<vbs::Variant> args;
        vbs::Variant result;
        if (engine.run(u"Main", args, &result) && !result.isArray() && !result.isObject()) {
            vbs::Variant text;
            (void)engine.eval(u"1", text);
        }
    }
    return 0;
}
