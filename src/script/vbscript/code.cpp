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

std::size_t length(const Word *pc) noexcept
{
    const Op op = opOf(*pc);
    return 1 + static_cast<std::size_t>(operandWords(op)) + (takesArguments(op) ? 2 + pc[2] : 0);
}

bool takesArguments(Op op) noexcept
{
    return op >= Op::CallGlobal && op <= Op::ReDim;
}

const char *opName(Op op) noexcept
{
    return op < Op::Count ? kOps[static_cast<int>(op)].name : "?";
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
        const std::size_t n = length(&words[pc]) - 1;
        for (std::size_t i = 1; i <= n && pc + i < words.size(); ++i)
            out += " " + std::to_string(words[pc + i]);
        out += "\n";
        pc += 1 + n;
    }
    return out;
}

} // namespace vbs::vm
