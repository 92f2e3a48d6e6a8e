#pragma once

// The program as a whole, the same on every toolkit: the main window Main,
// made and loaded at start, and the About box, made on first use and kept for
// the rest of the run. F2 or Help > About opens the About box, File > Exit
// (Ctrl+Q) ends the program, and closing the main window ends it too, About
// box included. An adapter's entry point sets up its toolkit, makes a
// Program, starts it and runs the toolkit's event loop; the tests drive the
// same Program.

#include <memory>

#include "aboutinstance.h"
#include "mainevents.h"

namespace orvanta {

class Main;

class Program final : public MainEvents
{
public:
    // Creates and loads Main (its Form_Load runs), not yet shown.
    Program();
    ~Program();
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    Main &main() { return *m_main; }
    // The About box while it is loaded, else nullptr; and the program's one
    // reference to it, empty until Help > About is first chosen.
    AboutBox *aboutBox() const;
    AboutInstance *aboutInstance() const { return m_aboutInstance.get(); }

    // Shows Main as the program starts: centred on the screen, in front,
    // with the keyboard focus on its outer strip.
    void start();

    void menuChosen(MenuCommand command) override;
    void closed() override;

private:
    // Empty until Help > About is first chosen; survives the box's closing.
    std::unique_ptr<AboutInstance> m_aboutInstance;
    std::unique_ptr<Main> m_main;
};

} // namespace orvanta
