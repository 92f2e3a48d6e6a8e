#pragma once

#include <functional>
#include <map>
#include <vector>

#include <windows.h>

#include "design.h"
#include "handles.h"

namespace orvanta::platform {

// A window's menu bar, and the accelerator table the message loop
// translates its items' shortcut keys with: an item chosen from the bar or
// by its key runs its handler. The window owns the bar once it is set.
class MenuBar final
{
public:
    // Appends a menu with its item, whose command ID is id.
    void add(const forms::MenuDesign &design, int id, std::function<void()> chosen);
    HACCEL accelerators() const { return m_accelerators.get(); }
    // nullptr until the first menu.
    HMENU bar() const { return m_bar; }

    // Runs the handler of the item with that command ID; false when there is
    // none.
    bool choose(int id) const;

private:
    HMENU m_bar = nullptr;
    std::vector<ACCEL> m_keys;
    UniqueAccelerator m_accelerators;
    std::map<int, std::function<void()>> m_items;
};

} // namespace orvanta::platform
