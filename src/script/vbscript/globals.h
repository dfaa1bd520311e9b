#pragma once

#include "ast.h"
#include "variant.h"

#include <deque>
#include <string>
#include <unordered_map>

namespace vbs {

// One name of the script's global scope: a variable, a constant, a
// procedure or a class. Slots never move (a deque), so a ByRef argument may
// point into the table while code adds new globals.
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
        m_slots.push_back(GlobalSlot{name, {}, nullptr, nullptr, false, false});
        const int slot = static_cast<int>(m_slots.size() - 1);
        m_index.emplace(folded, slot);
        return slot;
    }
    // A slot no name refers to (With objects of global code).
    int hidden()
    {
        m_slots.push_back(GlobalSlot{});
        return static_cast<int>(m_slots.size() - 1);
    }
    GlobalSlot &operator[](int slot) { return m_slots[static_cast<std::size_t>(slot)]; }
    std::size_t size() const { return m_slots.size(); }
    void clearValues()
    {
        // By index: a Class_Terminate running now may add globals.
        for (std::size_t i = 0; i < m_slots.size(); ++i)
            m_slots[i].value = Variant();
    }

private:
    std::deque<GlobalSlot> m_slots;
    std::unordered_map<std::u16string, int> m_index;
};

} // namespace vbs
