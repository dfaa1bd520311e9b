#pragma once

#include "ast.h"
#include "variant.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace vbs {

// One name of the script's global scope: a variable, a constant, a
// procedure or a class. Slots never move (blocks of fixed size), so a ByRef
// argument may point into the table while code adds new globals.
struct GlobalSlot
{
    std::u16string name;
    Variant value;
    ast::ProcDecl *proc = nullptr;
    ast::ClassDecl *cls = nullptr;
    bool defined = false; // declared, assigned or a procedure/class
    bool isConst = false;
};

class GlobalTable
{
public:
    // Slot of a folded name, or -1.
    int find(const std::u16string &folded) const
    {
        const auto it = m_index.find(folded);
        return it == m_index.end() ? -1 : it->second;
    }
    // Slot of a name, created undefined when new.
    int intern(const std::u16string &name, const std::u16string &folded)
    {
        const int found = find(folded);
        if (found >= 0)
            return found;
        const int slot = hidden();
        (*this)[slot].name = name;
        m_index.emplace(folded, slot);
        return slot;
    }
    // A slot no name refers to (With objects of global code).
    int hidden()
    {
        if (m_size % kBlock == 0)
            m_blocks.push_back(std::make_unique<GlobalSlot[]>(kBlock));
        return static_cast<int>(m_size++);
    }
    GlobalSlot &operator[](int slot)
    {
        const auto i = static_cast<std::size_t>(slot);
        return m_blocks[i / kBlock][i % kBlock];
    }
    std::size_t size() const { return m_size; }
    void clearValues()
    {
        // By index: a Class_Terminate running now may add globals.
        for (std::size_t i = 0; i < m_size; ++i)
            (*this)[static_cast<int>(i)].value = Variant();
    }

private:
    static constexpr std::size_t kBlock = 64;
    std::vector<std::unique_ptr<GlobalSlot[]>> m_blocks;
    std::size_t m_size = 0;
    std::unordered_map<std::u16string, int> m_index;
};

} // namespace vbs
