#include "code.h"

#include <algorithm>

namespace vbs::vm {

namespace {

struct OpInfo
{
    const char *name;
    int words;
};

constexpr OpInfo kOps[] = {
#define VBS_OP_INFO(name, words) {#name, words},
    VBS_OPCODES(VBS_OP_INFO)
#undef VBS_OP_INFO
};

} // namespace

int operandWords(Op op) noexcept
{
    return kOps[static_cast<int>(op)].words;
}

bool takesArguments(Op op) noexcept
{
    return op >= Op::CallGlobal && op <= Op::ReDim;
}

const char *opName(Op op) noexcept
{
    return op < Op::Count ? kOps[static_cast<int>(op)].name : "?";
}

Code::~Code()
{
    for (void *frame : spareFrames)
        ::operator delete(frame);
}

const Unit *Code::unitAt(Word pc) const noexcept
{
    auto it = std::upper_bound(units.begin(), units.end(), pc, [](Word p, const Unit &u) { return p < u.start; });
    if (it == units.begin())
        return nullptr;
    --it;
    return pc < it->end ? &*it : nullptr;
}

std::string Code::listing() const
{
    std::string out;
    for (std::size_t pc = 0; pc < words.size();) {
        const Op op = opOf(words[pc]);
        out += std::to_string(pc) + ": " + opName(op);
        std::size_t n = static_cast<std::size_t>(operandWords(op));
        if (takesArguments(op))
            n += 2 + words[pc + 2];
        for (std::size_t i = 1; i <= n && pc + i < words.size(); ++i)
            out += " " + std::to_string(words[pc + i]);
        out += "\n";
        pc += 1 + n;
    }
    return out;
}

} // namespace vbs::vm
