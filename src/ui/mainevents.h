#pragma once

#include "maindesign.h"

namespace orvanta {

// What the main window reports to the program, which decides what each
// event does (src/app/program.h). An adapter's Main turns its native menu
// item, shortcut key or close box into one of these and runs no handler of
// its own for them.
class MainEvents
{
public:
    // A menu item was chosen, from the menu bar or by its shortcut key.
    virtual void menuChosen(MenuCommand command) = 0;
    // The user closed the window by its close box.
    virtual void closed() = 0;

protected:
    ~MainEvents() = default;
};

} // namespace orvanta
